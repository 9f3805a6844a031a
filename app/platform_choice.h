#pragma once

#include <string>
#include <string_view>

namespace vesmarot::app {

// The session as Qt's choice of window system sees it: the environment variables it reads.
struct Session {
    std::string_view qpaPlatform;     // QT_QPA_PLATFORM
    std::string_view waylandDisplay;  // WAYLAND_DISPLAY
    std::string_view x11Display;      // DISPLAY
    std::string_view sessionType;     // XDG_SESSION_TYPE
};

// The QT_QPA_PLATFORM to start with, or empty to leave Qt's own choice. In a Wayland session that
// also offers an X server (XWayland), X comes first: a Wayland client can neither place its
// windows (so none would be centred) nor keep Qt's own title bar from offering minimise and
// maximise on a fixed-size window. Wayland stays the fallback where X cannot be reached, and a
// platform the user chose always wins.
std::string PreferredPlatform(const Session& session);

}  // namespace vesmarot::app
