// The baseline for start-up and memory: a bare Qt Widgets window of the main window's size with
// one line of Vietnamese text in the program's face, so that it loads the same font stack.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "ui/fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(168, 260);
    window.setFont(vesmarot::ui::WindowFont());
    QLabel label(QStringLiteral("Các phương án:"), &window);
    label.move(0, 70);
    window.show();
    return QApplication::exec();
}
