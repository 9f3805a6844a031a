#include <QScreen>
#include <QWidget>

#include "app/centring.h"
#include "tests/ui/window_test.h"

using namespace vesmarot;

class CentringTest : public QObject {
    Q_OBJECT
  private slots:
    // Positions for the headless platform's 800 x 800 screen.
    void centresTheOuterFrameOnTheWholeScreen_data() {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("main window, no frame known")
            << QSize(168, 260) << QMargins() << QPoint(316, 270);
        QTest::newRow("dialog with a title bar")
            << QSize(216, 121) << QMargins(1, 24, 1, 1) << QPoint(291, 327);
        QTest::newRow("odd difference") << QSize(217, 121) << QMargins() << QPoint(291, 339);
        QTest::newRow("larger than the screen, not clamped")
            << QSize(4000, 3000) << QMargins(2, 20, 2, 2) << QPoint(-1602, -1111);
    }
    void centresTheOuterFrameOnTheWholeScreen() {
        QFETCH(QSize, client);
        QFETCH(QMargins, frame);
        QFETCH(QPoint, expected);
        QWidget window;
        if (window.screen()->geometry() != QRect(0, 0, 800, 800)) {
            QSKIP("needs the 800 x 800 screen");
        }
        window.setFixedSize(client);
        app::CentreOnScreen(&window, frame);
        QCOMPARE(window.pos(), expected);
    }
};

VESMAROT_WINDOW_TEST_MAIN(CentringTest)
#include "centring_test.moc"
