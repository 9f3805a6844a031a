#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vesmarot::engine {

// A test text as it can stand in a test's name: quoted, with control characters and bytes
// beyond ASCII written as \xNN, so that no name carries a tab, a NUL or broken UTF-8.
inline std::string Printable(std::string_view text) {
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7f) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

}  // namespace vesmarot::engine
