#include "texts.h"

#include <charconv>

namespace vesmarot::engine::text {

std::string OptionCountText(std::size_t count) {
    // to_chars rather than to_string, which would bring the C library's printf into a web page.
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, count);
    std::string text("Có ");
    text.append(digits, written.ptr).append(" phương án.");
    return text;
}

std::string ShownEntry(std::string_view entry) {
    std::string shown;
    shown.reserve(entry.size() + 4);
    for (char c : entry) {
        if (c == 'f') {
            shown += "φ";
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string OptionDetailText(std::string_view area, std::string_view excess) {
    std::string text(area);
    text.append(" cm² (+").append(excess).append(" %)");
    return text;
}

std::string HeadedText(std::string_view heading, std::string_view body) {
    std::string text(heading);
    text.append(1, '\n').append(body);
    return text;
}

}  // namespace vesmarot::engine::text
