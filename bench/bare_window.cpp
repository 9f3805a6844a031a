// The baseline for start-up and memory: a bare Qt Widgets window of the main window's size with
// one line of Vietnamese text in the same face, so that it loads the same font stack.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(168, 260);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    window.setFont(font);
    QLabel label(QStringLiteral("Các phương án:"), &window);
    label.move(0, 70);
    window.show();
    return QApplication::exec();
}
