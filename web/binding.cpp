// The engine as the web page calls it: plain C functions over UTF-8 in the module's memory, so
// that the page needs no binding runtime and the module no JavaScript glue.
#include <cstddef>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/number_settings.h"
#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "engine/texts.h"

// Each function is exported from the WebAssembly module under its own name; a native build (the
// reference the module is checked against) calls them directly.
#ifdef __wasm__
#define VESMAROT_EXPORT(name) __attribute__((export_name(name)))
#else
#define VESMAROT_EXPORT(name)
#endif

namespace {

// The last answer; the page reads it before it calls again.
std::string answer;

std::string_view View(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

}  // namespace

extern "C" {

// Room for `size` bytes of text from the page; given back with vesmarot_free.
VESMAROT_EXPORT("vesmarot_alloc") char* vesmarot_alloc(std::size_t size) {
    return static_cast<char*>(std::malloc(size));
}

VESMAROT_EXPORT("vesmarot_free") void vesmarot_free(char* text) { std::free(text); }

// The bytes of the last answer, and how many there are.
VESMAROT_EXPORT("vesmarot_answer") const char* vesmarot_answer() { return answer.data(); }
VESMAROT_EXPORT("vesmarot_answer_size") std::size_t vesmarot_answer_size() { return answer.size(); }

// A search from the two fields' texts, with the reader's decimal and group separators (all
// NUL-terminated UTF-8). The answer, one line each: how it ended ("BadNmax", "BadArea",
// "NoOption" or "OptionsFound"), the rounded area text, the status text, then one line an option:
// its entry as shown, the area it provides, and that area with its excess as the option's row
// shows them ("6.032 cm² (+20.6 %)"), separated by tabs.
VESMAROT_EXPORT("vesmarot_search")
std::size_t vesmarot_search(const char* nmax, const char* area, const char* decimalSeparator,
                            const char* groupSeparator) {
    using namespace vesmarot::engine;
    const NumberSettings settings{std::string(View(decimalSeparator)),
                                  std::string(View(groupSeparator))};
    const SearchOutcome outcome = SearchOptions(View(nmax), View(area), settings);
    static constexpr const char* kKinds[] = {"BadNmax", "BadArea", "NoOption", "OptionsFound"};
    answer.assign(kKinds[static_cast<int>(outcome.kind)]).append(1, '\n');
    answer.append(outcome.roundedAreaText).append(1, '\n');
    if (outcome.kind == SearchKind::OptionsFound)
        answer.append(text::OptionCountText(outcome.entries.size()));
    answer.append(1, '\n');
    for (const std::string& entry : outcome.entries) {
        const std::string area = OptionEntryAreaText(entry, settings).value_or("");
        const std::string excess =
            OptionEntryExcessText(entry, outcome.area, settings).value_or("");
        answer.append(text::ShownEntry(entry)).append(1, '\t').append(area).append(1, '\t');
        answer.append(text::OptionDetailText(area, excess)).append(1, '\n');
    }
    return answer.size();
}

// Every fixed text the page shows, one a line: its name, a tab, the text. The page is made from
// these at build time, so that no text is typed twice.
VESMAROT_EXPORT("vesmarot_texts") std::size_t vesmarot_texts() {
    using namespace vesmarot::engine::text;
    struct Named {
        std::string_view name;
        std::string_view text;
    };
    static constexpr Named kTexts[] = {
        {"kProgramName", kProgramName},
        {"kWebDescription", kWebDescription},
        {"kAreaCaption", kAreaCaption},
        {"kNmaxCaption", kNmaxCaption},
        {"kNmaxInitial", kNmaxInitial},
        {"kOk", kOk},
        {"kReset", kReset},
        {"kAboutButton", kAboutButton},
        {"kOptionsCaption", kOptionsCaption},
        {"kWaitingForInput", kWaitingForInput},
        {"kAreaFieldName", kAreaFieldName},
        {"kNmaxFieldName", kNmaxFieldName},
        {"kOptionListName", kOptionListName},
        {"kStatusBoxName", kStatusBoxName},
        {"kProvidedAreaBoxName", kProvidedAreaBoxName},
        {"kPictureName", kPictureName},
        {"kNmaxFieldDescription", kNmaxFieldDescription},
        {"kErrorTitleSpoken", kErrorTitleSpoken},
        {"kBadAreaMessage", kBadAreaMessage},
        {"kBadNmaxMessage", kBadNmaxMessage},
        {"kNoOptionTitleSpoken", kNoOptionTitleSpoken},
        {"kNoOptionMessage", kNoOptionMessage},
        {"kAboutTitleSpoken", kAboutTitleSpoken},
        {"kAboutProgramTitle", kAboutProgramTitle},
        {"kVersionLabel", kVersionLabel},
        {"kDescriptionHeading", kDescriptionHeading},
        {"kDescriptionBody", kDescriptionBody},
        {"kAuthorLine", kAuthorLine},
        {"kNoteHeading", kNoteHeading},
        {"kNoteBody", kNoteBody},
    };
    answer.clear();
    for (const Named& named : kTexts)
        answer.append(named.name).append(1, '\t').append(named.text).append(1, '\n');
    return answer.size();
}

}  // extern "C"
