#pragma once

#include <QString>
#include <string>

namespace vesmarot::ui {

// A text the engine wrote (UTF-8) as Qt holds it.
inline QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace vesmarot::ui
