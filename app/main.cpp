#include <QApplication>

#include "app/shell.h"
#include "ui/program_icon.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VESMAROT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VESMAROT_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vesmarot"));
    QApplication::setWindowIcon(vesmarot::ui::ProgramIcon());

    vesmarot::app::Shell shell;
    shell.start();
    return QApplication::exec();
}
