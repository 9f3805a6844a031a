#include "ui/texts.h"

namespace vesmarot::ui::text {

QString OptionCountText(qsizetype count) {
    return ToQString(engine::text::OptionCountText(std::size_t(count)));
}

QString OptionDetailText(const QString& area, const QString& excess) {
    return ToQString(engine::text::OptionDetailText(area.toStdString(), excess.toStdString()));
}

QString HeadedText(const QString& heading, const QString& body) {
    return ToQString(engine::text::HeadedText(heading.toStdString(), body.toStdString()));
}

}  // namespace vesmarot::ui::text
