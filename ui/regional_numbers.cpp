#include "ui/regional_numbers.h"

namespace vesmarot::ui {

engine::NumberSettings RegionalNumberSettings(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace vesmarot::ui
