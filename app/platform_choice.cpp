#include "app/platform_choice.h"

namespace vesmarot::app {

std::string PreferredPlatform(const Session& session) {
    if (!session.qpaPlatform.empty() || session.x11Display.empty()) return {};
    const bool wayland = !session.waylandDisplay.empty() || session.sessionType == "wayland";
    // Qt tries each platform of the list in turn.
    return wayland ? "xcb;wayland" : std::string();
}

}  // namespace vesmarot::app
