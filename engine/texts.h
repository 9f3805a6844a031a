#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Every fixed text the program shows, in UTF-8: the desktop program and the web page both take
// them from here. Title bars and tooltips are plain ASCII, as the window system draws them in its
// own font; everything else is Vietnamese with full diacritics (NFC).
namespace vesmarot::engine::text {

inline constexpr std::string_view kProgramName = "Vesmarot";

// What the web page says it is, in its app manifest and to search engines.
inline constexpr std::string_view kWebDescription =
    "Chọn phương án bố trí cốt thép cho diện tích thép cần của một tiết diện.";

// Main window.
inline constexpr std::string_view kAreaCaption = "Fa (cm2)";
inline constexpr std::string_view kNmaxCaption = "Nmax";
inline constexpr std::string_view kAreaTooltip = "Dien tich cot thep";
inline constexpr std::string_view kNmaxInitial = "3";
inline constexpr std::string_view kNmaxTooltip = "So thanh thep toi da trong mot tiet dien";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kReset = "Reset";
inline constexpr std::string_view kCancel = "Cancel";
inline constexpr std::string_view kAboutButton = "About...";
inline constexpr std::string_view kOptionsCaption = "Các phương án:";
inline constexpr std::string_view kWaitingForInput = "Chờ nhập số liệu...";

// "Có k phương án." with k in plain ASCII digits, whatever the region.
std::string OptionCountText(std::size_t count);

// "2φ16+1φ18" for the entry "2f16+1f18": the diameter sign engineers read on drawings.
std::string ShownEntry(std::string_view entry);

// What a screen reader calls the main window's controls.
inline constexpr std::string_view kAreaFieldName = "Diện tích cốt thép cần (cm²)";
inline constexpr std::string_view kNmaxFieldName = "Số thanh thép tối đa (Nmax)";
inline constexpr std::string_view kOptionListName = "Các phương án";
inline constexpr std::string_view kStatusBoxName = "Trạng thái";
inline constexpr std::string_view kProvidedAreaBoxName = "Diện tích của phương án đã chọn (cm²)";
inline constexpr std::string_view kPictureName = "Biểu tượng Vesmarot";
// The Nmax field's tooltip as it is spoken; the area field's name already says all its tooltip
// does.
inline constexpr std::string_view kNmaxFieldDescription =
    "Số thanh thép tối đa trong một tiết diện";

// The option list's context menu.
inline constexpr std::string_view kCopy = "Sao chép";

// An option's tooltip from its area and its excess in percent, both already written in the
// user's decimals: "6,032 cm² (+20,6 %)".
std::string OptionDetailText(std::string_view area, std::string_view excess);

// Message dialogs.
inline constexpr std::string_view kErrorTitle = "Thong bao loi";
inline constexpr std::string_view kBadAreaMessage =
    "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các giá trị diện tích thép là số "
    "dương và nhỏ hơn 100. Cảm ơn.";
inline constexpr std::string_view kBadNmaxMessage =
    "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các giá trị Nmax là số dương. Cảm "
    "ơn.";
inline constexpr std::string_view kNoOptionTitle = "Khong tim thay phuong an nao";
// The two titles as a screen reader says them.
inline constexpr std::string_view kErrorTitleSpoken = "Thông báo lỗi";
inline constexpr std::string_view kNoOptionTitleSpoken = "Không tìm thấy phương án nào";
inline constexpr std::string_view kNoOptionMessage =
    "Không tìm thấy phương án nào. Cần tăng số thanh thép trên một tiết diện (Nmax). Cảm ơn.";

// About dialog.
inline constexpr std::string_view kAboutTitle = "Gioi thieu chuong trinh";
inline constexpr std::string_view kAboutTitleSpoken = "Giới thiệu chương trình";
inline constexpr std::string_view kAboutDesignedTitle = "Application Title";
inline constexpr std::string_view kAboutProgramTitle = "Chương trình Vesmarot";
inline constexpr std::string_view kVersionLabel = "Phiên bản: 1.0.1";
inline constexpr std::string_view kDescriptionHeading = "Mô tả chương trình:";
inline constexpr std::string_view kDescriptionBody = "Vesmarot";
inline constexpr std::string_view kAuthorLine = "Tác giả: Nhóm phát triển Vesmarot";
inline constexpr std::string_view kNoteHeading = "Chú ý:";
inline constexpr std::string_view kNoteBody =
    "Tác giả không chịu trách nhiệm về kết quả tính toán của chương trình";

// A heading and its body on two lines, broken by a single line feed.
std::string HeadedText(std::string_view heading, std::string_view body);

}  // namespace vesmarot::engine::text
