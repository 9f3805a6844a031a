#include "ui/phi_delegate.h"

#include "engine/texts.h"
#include "ui/texts.h"

namespace vesmarot::ui {

QString ShownEntry(const QString& entry) {
    return ToQString(engine::text::ShownEntry(entry.toStdString()));
}

QString PhiDelegate::displayText(const QVariant& value, const QLocale&) const {
    return ShownEntry(value.toString());
}

}  // namespace vesmarot::ui
