#pragma once

#include <QLocale>

#include "engine/number_settings.h"

namespace vesmarot::ui {

// The decimal and group separators of `locale`, the user's regional settings by default.
engine::NumberSettings RegionalNumberSettings(const QLocale& locale = QLocale::system());

}  // namespace vesmarot::ui
