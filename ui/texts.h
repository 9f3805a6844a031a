#pragma once

#include <QString>

// Every fixed text the program shows. Title bars and tooltips are plain ASCII, as the window
// system draws them in its own font; everything else is Vietnamese with full diacritics (NFC).
namespace vesmarot::ui::text {

inline const QString kProgramName = QStringLiteral("Vesmarot");

// Main window.
inline const QString kAreaCaption = QStringLiteral("Fa (cm2)");
inline const QString kNmaxCaption = QStringLiteral("Nmax");
inline const QString kAreaTooltip = QStringLiteral("Dien tich cot thep");
inline const QString kNmaxInitial = QStringLiteral("3");
inline const QString kNmaxTooltip = QStringLiteral("So thanh thep toi da trong mot tiet dien");
inline const QString kOk = QStringLiteral("OK");
inline const QString kReset = QStringLiteral("Reset");
inline const QString kCancel = QStringLiteral("Cancel");
inline const QString kAboutButton = QStringLiteral("About...");
inline const QString kOptionsCaption = QStringLiteral("Các phương án:");
inline const QString kWaitingForInput = QStringLiteral("Chờ nhập số liệu...");

// "Có k phương án." with k in plain ASCII digits, whatever the region.
QString OptionCountText(qsizetype count);

// What a screen reader calls the main window's controls.
inline const QString kAreaFieldName = QStringLiteral("Diện tích cốt thép cần (cm²)");
inline const QString kNmaxFieldName = QStringLiteral("Số thanh thép tối đa (Nmax)");
inline const QString kOptionListName = QStringLiteral("Các phương án");
inline const QString kStatusBoxName = QStringLiteral("Trạng thái");
inline const QString kProvidedAreaBoxName = QStringLiteral("Diện tích của phương án đã chọn (cm²)");
inline const QString kPictureName = QStringLiteral("Biểu tượng Vesmarot");
// The Nmax field's tooltip as it is spoken; the area field's name already says all its tooltip
// does.
inline const QString kNmaxFieldDescription =
    QStringLiteral("Số thanh thép tối đa trong một tiết diện");

// The option list's context menu.
inline const QString kCopy = QStringLiteral("Sao chép");

// An option's tooltip from its area and its excess in percent, both already written in the
// user's decimals: "6,032 cm² (+20,6 %)".
QString OptionDetailText(const QString& area, const QString& excess);

// Message dialogs.
inline const QString kErrorTitle = QStringLiteral("Thong bao loi");
inline const QString kBadAreaMessage = QStringLiteral(
    "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các giá trị diện tích thép là số "
    "dương và nhỏ hơn 100. Cảm ơn.");
inline const QString kBadNmaxMessage = QStringLiteral(
    "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các giá trị Nmax là số dương. Cảm "
    "ơn.");
inline const QString kNoOptionTitle = QStringLiteral("Khong tim thay phuong an nao");
// The two titles as a screen reader says them.
inline const QString kErrorTitleSpoken = QStringLiteral("Thông báo lỗi");
inline const QString kNoOptionTitleSpoken = QStringLiteral("Không tìm thấy phương án nào");
inline const QString kNoOptionMessage = QStringLiteral(
    "Không tìm thấy phương án nào. Cần tăng số thanh thép trên một tiết diện (Nmax). Cảm ơn.");

// About dialog.
inline const QString kAboutTitle = QStringLiteral("Gioi thieu chuong trinh");
inline const QString kAboutTitleSpoken = QStringLiteral("Giới thiệu chương trình");
inline const QString kAboutDesignedTitle = QStringLiteral("Application Title");
inline const QString kAboutProgramTitle = QStringLiteral("Chương trình Vesmarot");
inline const QString kVersionLabel = QStringLiteral("Phiên bản: 1.0.1");
inline const QString kDescriptionHeading = QStringLiteral("Mô tả chương trình:");
inline const QString kDescriptionBody = QStringLiteral("Vesmarot");
inline const QString kAuthorLine = QStringLiteral("Tác giả: Nhóm phát triển Vesmarot");
inline const QString kNoteHeading = QStringLiteral("Chú ý:");
inline const QString kNoteBody =
    QStringLiteral("Tác giả không chịu trách nhiệm về kết quả tính toán của chương trình");

// A heading and its body on two lines, broken by a single line feed.
QString HeadedText(const QString& heading, const QString& body);

}  // namespace vesmarot::ui::text
