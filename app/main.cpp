#include <QApplication>

#include "app/platform_choice.h"
#include "app/shell.h"
#include "ui/program_icon.h"
#include "ui/utf8_text.h"

namespace {

// Picks the window system before Qt does (see PreferredPlatform); only Linux and the like have a
// choice to make.
void ChooseWindowSystem() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray type = qgetenv("XDG_SESSION_TYPE");
    using vesmarot::ui::ByteView;
    const std::string chosen = vesmarot::app::PreferredPlatform(
        {ByteView(platform), ByteView(wayland), ByteView(x11), ByteView(type)});
    if (!chosen.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(chosen));
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    ChooseWindowSystem();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VESMAROT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VESMAROT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vesmarot"));
    QApplication::setWindowIcon(vesmarot::ui::ProgramIcon());

    vesmarot::app::Shell shell;
    shell.start();
    return QApplication::exec();
}
