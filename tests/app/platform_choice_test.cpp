#include <QTest>

#include "app/platform_choice.h"

using namespace vesmarot;

class PlatformChoiceTest : public QObject {
    Q_OBJECT
  private slots:
    void xcomesFirstOnlyWhereWaylandAlsoOffersIt_data() {
        QTest::addColumn<QString>("qpaPlatform");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("x11Display");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("chosen");
        // name, then QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE, and the choice.
        const auto row = [](const char* name, const char* platform, const char* wayland,
                            const char* x11, const char* type, const char* chosen) {
            QTest::newRow(name) << platform << wayland << x11 << type << chosen;
        };
        row("Wayland session with XWayland", "", "wayland-0", ":0", "wayland", "xcb;wayland");
        row("Wayland socket known, no session type", "", "wayland-1", ":1", "", "xcb;wayland");
        row("Wayland session type, default socket", "", "", ":0", "wayland", "xcb;wayland");
        row("Wayland alone: Qt's choice", "", "wayland-0", "", "wayland", "");
        row("X11 session: Qt's choice", "", "", ":0", "x11", "");
        row("no display at all", "", "", "", "", "");
        row("the user's platform wins", "wayland", "wayland-0", ":0", "wayland", "");
        row("the user's headless platform wins", "offscreen", "wayland-0", ":0", "wayland", "");
    }
    void xcomesFirstOnlyWhereWaylandAlsoOffersIt() {
        QFETCH(QString, qpaPlatform);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, x11Display);
        QFETCH(QString, sessionType);
        QFETCH(QString, chosen);
        const std::string platform = qpaPlatform.toStdString();
        const std::string wayland = waylandDisplay.toStdString();
        const std::string x11 = x11Display.toStdString();
        const std::string type = sessionType.toStdString();
        QCOMPARE(QString::fromStdString(app::PreferredPlatform({platform, wayland, x11, type})),
                 chosen);
    }
};

QTEST_APPLESS_MAIN(PlatformChoiceTest)
#include "platform_choice_test.moc"
