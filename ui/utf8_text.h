#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace vesmarot::ui {

// A text the engine wrote (UTF-8) as Qt holds it.
inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The bytes Qt holds (a text's UTF-8, an environment variable) as the engine reads them; valid
// while `bytes` lives.
inline std::string_view ByteView(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace vesmarot::ui
