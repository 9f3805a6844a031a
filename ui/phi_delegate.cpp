#include "ui/phi_delegate.h"

namespace vesmarot::ui {

QString PhiDelegate::displayText(const QVariant& value, const QLocale&) const {
    QString shown = value.toString();
    shown.replace(QLatin1Char('f'), QChar(0x03C6));
    return shown;
}

}  // namespace vesmarot::ui
