// Times what the engineer waits for after pressing OK: the search, the refilled list and status
// line, and the repaint that shows them, in the real main window (offscreen).
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/shell.h"
#include "ui/main_window.h"

namespace {

struct Case {
    const char* name;
    const char* area;
    const char* nmax;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    vesmarot::app::Shell shell([] {});
    shell.start();
    QWidget* window = shell.mainWindow();
    auto* area = window->findChild<QLineEdit*>(QStringLiteral("txtDientich"));
    auto* nmax = window->findChild<QLineEdit*>(QStringLiteral("txtNmax"));
    auto* ok = window->findChild<QPushButton*>(QStringLiteral("cdmOK"));
    auto* list = window->findChild<QListWidget*>(QStringLiteral("lstPA"));
    QCoreApplication::processEvents();

    const Case cases[] = {{"press_ok_5cm2_nmax3", "5", "3"},
                          {"press_ok_99.9cm2_nmax255", "99.9", "255"},
                          {"press_ok_71.88cm2_nmax255", "71.88", "255"}};
    constexpr int kRuns = 200;
    for (const Case& c : cases) {
        std::vector<double> ms;
        for (int run = 0; run < kRuns; ++run) {
            area->setText(QString::fromLatin1(c.area));
            nmax->setText(QString::fromLatin1(c.nmax));
            QElapsedTimer timer;
            timer.start();
            ok->click();
            window->repaint();  // paints list and status into the backing store, as shown
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%s entries=%d median_ms=%.3f p95_ms=%.3f max_ms=%.3f\n", c.name, list->count(),
                    ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
    }
    return 0;
}
