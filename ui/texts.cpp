#include "ui/texts.h"

namespace vesmarot::ui::text {

QString OptionCountText(qsizetype count) {
    return QStringLiteral("Có ") + QString::number(count) + QStringLiteral(" phương án.");
}

QString OptionDetailText(const QString& area, const QString& excess) {
    return area + QStringLiteral(" cm² (+") + excess + QStringLiteral(" %)");
}

QString HeadedText(const QString& heading, const QString& body) {
    return heading + QLatin1Char('\n') + body;
}

}  // namespace vesmarot::ui::text
