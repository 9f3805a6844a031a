#include "texts.h"

namespace vesmarot::engine::text {

std::string OptionCountText(std::size_t count) {
    return "Có " + std::to_string(count) + " phương án.";
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
