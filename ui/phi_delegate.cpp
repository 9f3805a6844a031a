#include "ui/phi_delegate.h"

namespace vesmarot::ui {

QString ShownEntry(const QString& entry) {
    QString shown = entry;
    shown.replace(QLatin1Char('f'), QChar(0x03C6));
    return shown;
}

QString PhiDelegate::displayText(const QVariant& value, const QLocale&) const {
    return ShownEntry(value.toString());
}

}  // namespace vesmarot::ui
