#pragma once

#include <QString>
#include <string_view>

#include "engine/texts.h"
#include "ui/utf8_text.h"

// Every fixed text the program shows, as Qt takes them; the texts themselves are the engine's,
// which the web page shares.
namespace vesmarot::ui::text {

inline const QString kProgramName = ToQString(engine::text::kProgramName);

// Main window.
inline const QString kAreaCaption = ToQString(engine::text::kAreaCaption);
inline const QString kNmaxCaption = ToQString(engine::text::kNmaxCaption);
inline const QString kAreaTooltip = ToQString(engine::text::kAreaTooltip);
inline const QString kNmaxInitial = ToQString(engine::text::kNmaxInitial);
inline const QString kNmaxTooltip = ToQString(engine::text::kNmaxTooltip);
inline const QString kOk = ToQString(engine::text::kOk);
inline const QString kReset = ToQString(engine::text::kReset);
inline const QString kCancel = ToQString(engine::text::kCancel);
inline const QString kAboutButton = ToQString(engine::text::kAboutButton);
inline const QString kOptionsCaption = ToQString(engine::text::kOptionsCaption);
inline const QString kWaitingForInput = ToQString(engine::text::kWaitingForInput);

// "Có k phương án." with k in plain ASCII digits, whatever the region.
QString OptionCountText(qsizetype count);

// What a screen reader calls the main window's controls.
inline const QString kAreaFieldName = ToQString(engine::text::kAreaFieldName);
inline const QString kNmaxFieldName = ToQString(engine::text::kNmaxFieldName);
inline const QString kOptionListName = ToQString(engine::text::kOptionListName);
inline const QString kStatusBoxName = ToQString(engine::text::kStatusBoxName);
inline const QString kProvidedAreaBoxName = ToQString(engine::text::kProvidedAreaBoxName);
inline const QString kPictureName = ToQString(engine::text::kPictureName);
// The Nmax field's tooltip as it is spoken; the area field's name already says all its tooltip
// does.
inline const QString kNmaxFieldDescription = ToQString(engine::text::kNmaxFieldDescription);

// The option list's context menu.
inline const QString kCopy = ToQString(engine::text::kCopy);

// An option's tooltip from its area and its excess in percent, both already written in the
// user's decimals: "6,032 cm² (+20,6 %)".
QString OptionDetailText(const QString& area, const QString& excess);

// Message dialogs.
inline const QString kErrorTitle = ToQString(engine::text::kErrorTitle);
inline const QString kBadAreaMessage = ToQString(engine::text::kBadAreaMessage);
inline const QString kBadNmaxMessage = ToQString(engine::text::kBadNmaxMessage);
inline const QString kNoOptionTitle = ToQString(engine::text::kNoOptionTitle);
// The two titles as a screen reader says them.
inline const QString kErrorTitleSpoken = ToQString(engine::text::kErrorTitleSpoken);
inline const QString kNoOptionTitleSpoken = ToQString(engine::text::kNoOptionTitleSpoken);
inline const QString kNoOptionMessage = ToQString(engine::text::kNoOptionMessage);

// About dialog.
inline const QString kAboutTitle = ToQString(engine::text::kAboutTitle);
inline const QString kAboutTitleSpoken = ToQString(engine::text::kAboutTitleSpoken);
inline const QString kAboutDesignedTitle = ToQString(engine::text::kAboutDesignedTitle);
inline const QString kAboutProgramTitle = ToQString(engine::text::kAboutProgramTitle);
inline const QString kVersionLabel = ToQString(engine::text::kVersionLabel);
inline const QString kDescriptionHeading = ToQString(engine::text::kDescriptionHeading);
inline const QString kDescriptionBody = ToQString(engine::text::kDescriptionBody);
inline const QString kAuthorLine = ToQString(engine::text::kAuthorLine);
inline const QString kNoteHeading = ToQString(engine::text::kNoteHeading);
inline const QString kNoteBody = ToQString(engine::text::kNoteBody);

// A heading and its body on two lines, broken by a single line feed.
QString HeadedText(const QString& heading, const QString& body);

}  // namespace vesmarot::ui::text
