// Thousands of random user actions, sent as the window system sends them (so a dialog really
// blocks the main window), with the program's promises checked after every step. The seed and
// step count can be set with VESMAROT_MONKEY_SEED and VESMAROT_MONKEY_STEPS to replay a failure.
#include <QClipboard>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include "engine/number_text.h"
#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "tests/ui/window_test.h"
#include "ui/regional_numbers.h"
#include "ui/texts.h"

using namespace vesmarot;

namespace {

const char* const kDialogs[] = {"frmLoi", "frmLoiNmax", "frmKhongthayPA", "frmAbout"};
const char* const kMainControls[] = {"txtDientich", "txtNmax",  "cdmOK",  "cmdReset",
                                     "cmdExit",     "cmdAbout", "lstPA",  "txtStatus",
                                     "txtF",        "Picture1", "Label1", "Label2"};

QByteArray Utf8(const QString& text) { return text.toUtf8(); }

}  // namespace

class MonkeyTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void randomUseKeepsEveryPromise() {
        const quint32 seed = qEnvironmentVariableIsSet("VESMAROT_MONKEY_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("VESMAROT_MONKEY_SEED"))
                                 : 20261208u;
        const int steps = qEnvironmentVariableIsSet("VESMAROT_MONKEY_STEPS")
                              ? qEnvironmentVariableIntValue("VESMAROT_MONKEY_STEPS")
                              : 3000;
        random_.seed(seed);
        QElapsedTimer timer;
        timer.start();
        for (step_ = 0; step_ < steps; ++step_) {
            if (QWidget* dialog = openDialog()) {
                actOnDialog(dialog);
            } else {
                actOnMainWindow();
            }
            // Between two user actions the event loop runs and delivers what the last one posted.
            QCoreApplication::processEvents();
            checkInvariants();
            if (QTest::currentTestFailed()) {
                qWarning("failed at step %d of seed %u, after: %s", step_, seed,
                         qPrintable(lastAction_));
                return;
            }
        }
        qInfo(
            "%d steps in %lld ms (seed %u): %d searches, %d listing options, %d dialogs, "
            "%d restarts",
            steps, timer.elapsed(), seed, searches_, found_, dialogs_, restarts_);
        QVERIFY(searches_ > steps / 20);
        QVERIFY(dialogs_ > steps / 50);
        QVERIFY(found_ > steps / 100);
    }

  private:
    QWindow* mainHandle() const { return mainWindow()->windowHandle(); }

    QWidget* openDialog() const {
        for (const char* name : kDialogs) {
            if (QWidget* dialog = window(name)) return dialog;
        }
        return nullptr;
    }

    int pick(int bound) { return int(random_.bounded(bound)); }

    QPoint centreInWindow(QWidget* widget) const {
        return widget->mapTo(widget->window(), widget->rect().center());
    }

    void clickOnMain(QWidget* widget, QPoint local = {}) {
        const QPoint at =
            widget->mapTo(mainWindow(), local.isNull() ? widget->rect().center() : local);
        QTest::mouseClick(mainHandle(), Qt::LeftButton, {}, at);
    }

    QString randomText(bool forNmax) {
        static const QString kTypeable = QStringLiteral("0123456789012345.,.,-+eE  abxyz\t");
        if (pick(25) == 0) {
            // Pasted, so characters no key sends come too: Vietnamese, combining marks, no-break
            // spaces, the longest text a field takes.
            switch (pick(5)) {
                case 0:
                    return QString(32767, QLatin1Char('1'));
                case 1:
                    return QStringLiteral("5.") + QString(32765, QLatin1Char('0'));
                case 2:
                    return QStringLiteral("5\u0301");
                case 3:
                    return QStringLiteral("1\u00a0234,5");
                default:
                    return QStringLiteral("Các phương án");
            }
        }
        if (pick(2) == 0) {
            // Mostly numbers an engineer would type, in the region's own notation.
            const QString point = QLocale::system().decimalPoint();
            return QString::number(pick(forNmax ? 30 : 100)) +
                   (pick(2) ? point + QString::number(pick(1000)) : QString());
        }
        QString text;
        const int length = pick(7);
        for (int i = 0; i < length; ++i) text += kTypeable.at(pick(kTypeable.size()));
        return text;
    }

    void typeIntoField(const char* name) {
        QLineEdit* target = field(name);
        clickOnMain(target);  // selects the whole text: typing replaces it
        const QString text = randomText(QLatin1String(name) == QLatin1String("txtNmax"));
        if (text.size() > 20 || text.contains(QChar(0x0301)) || text.contains(QChar(0x00a0)) ||
            text.contains(QChar(0x01b0))) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(mainHandle(), Qt::Key_V, Qt::ControlModifier);
        } else {
            for (const QChar c : text) QTest::keyClick(mainHandle(), c.toLatin1());
        }
    }

    // Presses OK the way the step chose and checks the outcome against the engine.
    void search(bool byEnter) {
        const QString nmax = field("txtNmax")->text();
        const QString area = field("txtDientich")->text();
        const engine::SearchOutcome expected = engine::SearchOptions(
            Utf8(nmax).toStdString(), Utf8(area).toStdString(), ui::RegionalNumberSettings());
        const QStringList listBefore = entries();
        const QString statusBefore = field("txtStatus")->text();
        ++searches_;
        // Enter presses a focused button instead of OK: the plain-Enter steps cover that.
        if (byEnter && !qobject_cast<QPushButton*>(mainWindow()->focusWidget())) {
            QTest::keyClick(mainHandle(), Qt::Key_Return);
        } else {
            clickOnMain(control("cdmOK"));
        }

        const char* dialog = nullptr;
        switch (expected.kind) {
            case engine::SearchKind::BadNmax:
                dialog = "frmLoiNmax";
                QCOMPARE(entries(), listBefore);
                QCOMPARE(field("txtDientich")->text(), area);
                break;
            case engine::SearchKind::BadArea:
                dialog = "frmLoi";
                QCOMPARE(list()->count(), 0);
                QCOMPARE(field("txtDientich")->text(), area);
                break;
            case engine::SearchKind::NoOption:
                dialog = "frmKhongthayPA";
                QCOMPARE(list()->count(), 0);
                QCOMPARE(field("txtStatus")->text(), statusBefore);
                break;
            case engine::SearchKind::OptionsFound: {
                QStringList want;
                for (const std::string& entry : expected.entries)
                    want << QString::fromStdString(entry);
                QCOMPARE(entries(), want);
                QCOMPARE(field("txtStatus")->text(), ui::text::OptionCountText(want.size()));
                ++found_;
                acceptedArea_ =
                    *engine::ReadNumber(Utf8(area).toStdString(), ui::RegionalNumberSettings());
                break;
            }
        }
        if (expected.kind == engine::SearchKind::NoOption ||
            expected.kind == engine::SearchKind::OptionsFound) {
            QCOMPARE(field("txtDientich")->text(),
                     QString::fromStdString(expected.roundedAreaText));
        }
        if (dialog) {
            ++dialogs_;
            QVERIFY2(window(dialog), dialog);
        }
    }

    void actOnMainWindow() {
        const int action = pick(12);
        lastAction_ = QStringLiteral("main window, action %1").arg(action);
        switch (action) {
            case 0:
            case 1:
            case 2:
                typeIntoField("txtDientich");
                break;
            case 3:
            case 4:
                typeIntoField("txtNmax");
                break;
            case 5:
            case 6:
                search(pick(2) == 0);
                break;
            case 7:
                if (list()->count() > 0) {
                    const int row = pick(qMin(list()->count(), 8));
                    clickOnMain(list()->viewport(),
                                list()->visualItemRect(list()->item(row)).center());
                } else {
                    QTest::keyClick(mainHandle(), Qt::Key_Down);
                }
                break;
            case 8:
                QTest::keyClick(mainHandle(), Qt::Key_Tab);
                break;
            case 9: {
                const char* name = kMainControls[pick(int(std::size(kMainControls)))];
                if (QLatin1String(name) == QLatin1String("cmdExit") ||
                    QLatin1String(name) == QLatin1String("cdmOK")) {
                    name = "cmdReset";
                }
                clickOnMain(control(name));
                if (QLatin1String(name) == QLatin1String("cmdAbout")) ++dialogs_;
                break;
            }
            case 10:
                if (list()->count() > 0) {
                    QTest::keyClick(mainHandle(), pick(2) ? Qt::Key_Down : Qt::Key_Up);
                } else {
                    clickOnMain(control("cmdReset"));
                }
                break;
            default: {
                auto* button = qobject_cast<QPushButton*>(mainWindow()->focusWidget());
                if (pick(10) == 0) {
                    endAndRestart(pick(2) ? Qt::Key_Escape : Qt::Key_unknown);
                } else if (!button || button == control("cdmOK")) {
                    search(true);
                } else if (button == control("cmdExit")) {
                    endAndRestart(Qt::Key_Return);  // Enter presses the focused Cancel
                } else {
                    QTest::keyClick(mainHandle(), Qt::Key_Return);
                    if (button == control("cmdAbout")) ++dialogs_;
                }
                break;
            }
        }
    }

    // Cancel (clicked, or pressed by a key) or Esc ends the program; a new one starts.
    void endAndRestart(Qt::Key key) {
        const int before = endRequests();
        if (key == Qt::Key_unknown) {
            clickOnMain(control("cmdExit"));
        } else {
            QTest::keyClick(mainHandle(), key);
        }
        QCOMPARE(endRequests(), before + 1);
        stopProgram();
        startProgram();
        acceptedArea_.reset();
        ++restarts_;
    }

    void actOnDialog(QWidget* dialog) {
        const QString name = dialog->objectName();
        const bool message = name != QLatin1String("frmAbout");
        const QStringList listBefore = entries();
        const QString areaBefore = field("txtDientich")->text();
        const int endsBefore = endRequests();
        const int action = pick(6);
        lastAction_ = QStringLiteral("dialog %1, action %2").arg(name).arg(action);
        switch (action) {
            case 0:  // the blocked main window ignores clicks, keys and Esc
                clickOnMain(control(pick(2) ? "cmdReset" : "cdmOK"));
                QTest::keyClick(mainHandle(), Qt::Key_Escape);
                QTest::keyClick(mainHandle(), Qt::Key_Return);
                QCOMPARE(entries(), listBefore);
                QCOMPARE(field("txtDientich")->text(), areaBefore);
                QCOMPARE(endRequests(), endsBefore);
                QVERIFY(window(name));
                return;
            case 1:
                QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
                QCOMPARE(window(name) != nullptr, message);  // Esc leaves About only
                break;
            case 2:
                QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
                break;
            case 3:
                dialog->windowHandle()->close();
                break;
            default:
                QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {},
                                  centreInWindow(control("cmdOK", dialog)));
                break;
        }
        if (window(name)) return;
        QCOMPARE(endRequests(), endsBefore);
        if (message) {
            const char* back = name == QLatin1String("frmLoi") ? "txtDientich" : "txtNmax";
            QCOMPARE(mainWindow()->focusWidget(), control(back));
            QTRY_COMPARE(field(back)->selectedText(), field(back)->text());
        }
    }

    void checkInvariants() {
        QVERIFY(mainWindow() && mainWindow()->isVisible());
        int up = 0;
        QWidget* dialog = nullptr;
        for (const char* name : kDialogs) {
            if (QWidget* shown = window(name)) {
                ++up;
                dialog = shown;
            }
        }
        QVERIFY2(up <= 1, "more than one dialog is up");
        // Blocked exactly while a dialog is up.
        QCOMPARE(QApplication::activeModalWidget(), dialog);
        for (const QString& entry : entries()) {
            const auto area = engine::OptionEntryArea(entry.toStdString());
            QVERIFY2(area.has_value(), qPrintable(entry));
            QVERIFY(acceptedArea_.has_value());
            QVERIFY2(*area > *acceptedArea_, qPrintable(entry));
        }
    }

    QString lastAction_;
    QRandomGenerator random_;
    std::optional<double> acceptedArea_;
    int step_ = 0;
    int searches_ = 0;
    int dialogs_ = 0;
    int restarts_ = 0;
    int found_ = 0;
};

VESMAROT_WINDOW_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
