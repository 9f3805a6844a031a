#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleHints>
#include <QtTest>
#include <memory>

#include "app/shell.h"
#include "tests/ui/palettes.h"
#include "ui/main_window.h"

namespace vesmarot::test {

// Starts the real program's windows for each test function and finds controls by their design
// names, as a user (or an accessibility tool) sees them.
class WindowTest : public QObject {
    Q_OBJECT
  protected slots:
    // QtTest runs these around each test function; a suite that needs more around them declares
    // its own and calls startProgram() and stopProgram() itself.
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

  protected:
    // A fresh program per test: no state leaks from one test into the next.
    void startProgram() {
        QuietenHeadlessRaise();
        endRequests_ = 0;
        shell_ = std::make_unique<app::Shell>([this] { ++endRequests_; });
        shell_->start();
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
    }

    void stopProgram() { shell_.reset(); }

    QWidget* mainWindow() const { return shell_->mainWindow(); }
    int endRequests() const { return endRequests_; }

    // The visible top-level window of that name, or null.
    static QWidget* window(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) return widget;
        }
        return nullptr;
    }

    template <typename Control = QWidget>
    Control* control(const QString& name, QWidget* inWindow = nullptr) const {
        QWidget* host = inWindow ? inWindow : mainWindow();
        auto* found = host->findChild<Control*>(name);
        if (!found) qWarning("no control %s", qPrintable(name));
        return found;
    }

    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    QListWidget* list() const { return control<QListWidget>(QStringLiteral("lstPA")); }

    // A user's click: the control must be there and enabled first.
    static bool click(QWidget* widget, QPoint at = {}) {
        if (!widget || !widget->isEnabled() || !widget->isVisible()) return false;
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
        return true;
    }

    // Replaces a field's text by typing, as a user would after selecting it all.
    static void typeInto(QLineEdit* target, const QString& text) {
        target->setFocus(Qt::TabFocusReason);
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
    }

    void search(const QString& area, const QString& nmax) {
        typeInto(field(QStringLiteral("txtNmax")), nmax);
        typeInto(field(QStringLiteral("txtDientich")), area);
        QVERIFY(click(control(QStringLiteral("cdmOK"))));
    }

    QStringList entries() const {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row) texts << list()->item(row)->text();
        return texts;
    }

  private:
    // The headless platform cannot stack windows and says so on every raise(); that says
    // nothing about the program, so it is kept out of the test log.
    static void QuietenHeadlessRaise() {
        static QtMessageHandler previous = nullptr;
        static bool installed = false;
        if (installed) return;
        installed = true;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (message == QLatin1String("This plugin does not support raise()")) return;
                if (previous) previous(type, context, message);
            });
    }

    std::unique_ptr<app::Shell> shell_;
    int endRequests_ = 0;
};

}  // namespace vesmarot::test

// Runs headless unless a platform was chosen, with the program's default 96 dpi layout. The
// Windows build carries no FreeType, without which Qt has no headless platform: there the suites
// run on the real one, on a desktop (under Wine, which passes no QT_ variable on, always).
#ifdef Q_OS_WIN
#define VESMAROT_DEFAULT_PLATFORM "windows"
#else
#define VESMAROT_DEFAULT_PLATFORM "offscreen"
#endif

namespace vesmarot::test {

// Before the application: the platform, and a display scale from VESMAROT_TEST_SCALE (a name
// Wine passes on, where it keeps QT_SCALE_FACTOR from a Windows program).
inline void PrepareTestPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", VESMAROT_DEFAULT_PLATFORM);
    if (!qEnvironmentVariableIsEmpty("VESMAROT_TEST_SCALE"))
        qputenv("QT_SCALE_FACTOR", qgetenv("VESMAROT_TEST_SCALE"));
}

// After it: the palette a desktop would give, named by VESMAROT_TEST_PALETTE, as a dark or
// contrast theme does (on Qt 6.8 and later the dark colour scheme is asked for as well).
inline void ApplyTestPalette() {
    const QString name = qEnvironmentVariable("VESMAROT_TEST_PALETTE");
    if (name.isEmpty()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (name != QLatin1String("desert"))
        QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Dark);
#endif
    QApplication::setPalette(TestPalette(name));
}

}  // namespace vesmarot::test

#define VESMAROT_WINDOW_TEST_MAIN(TestClass)      \
    int main(int argc, char* argv[]) {            \
        vesmarot::test::PrepareTestPlatform();    \
        QApplication application(argc, argv);     \
        vesmarot::test::ApplyTestPalette();       \
        TestClass test;                           \
        return QTest::qExec(&test, argc, argv);   \
    }
