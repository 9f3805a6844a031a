// Where a screen reader is pointed while the user works by keyboard: at the count after a search,
// at each option walked to, and back at the field at the next key typed there, while the keyboard
// focus itself never leaves the field. Also that a text box is read whole.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>

#include "tests/ui/window_test.h"

using namespace vesmarot;

namespace {

// Each focus a screen reader is told of: "lstPA#row" for an option, "name(text)" for a text box
// with the text it has at that moment, so that the order against typing shows.
QStringList& Told() {
    static QStringList told;
    return told;
}

void RecordFocus(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Focus || !event->object()) return;
    QString what = event->object()->objectName();
    if (event->child() >= 0) what += QLatin1Char('#') + QString::number(event->child());
    if (auto* edit = qobject_cast<QLineEdit*>(event->object()))
        what += QLatin1Char('(') + edit->text() + QLatin1Char(')');
    Told() << what;
}

const QMap<QString, Qt::Key>& NamedKeys() {
    static const QMap<QString, Qt::Key> keys{{"Enter", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
                                             {"Down", Qt::Key_Down},    {"Up", Qt::Key_Up},
                                             {"BS", Qt::Key_Backspace}, {"Left", Qt::Key_Left},
                                             {"Shift", Qt::Key_Shift},  {"Esc", Qt::Key_Escape}};
    return keys;
}

}  // namespace

class ScreenReaderEventsTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Headless, nothing asks for accessibility: turn it on as a screen reader would.
        QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
        QAccessible::installUpdateHandler(RecordFocus);
    }
    void init() {
        startProgram();
        Told().clear();
    }

    void readerFollowsTheWork_data() {
        QTest::addColumn<QString>("keys");  // pressed in turn where the keyboard focus is
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("focusEndsIn");
        const QString count = QStringLiteral("txtStatus(Có 12 phương án.)");
        QTest::newRow("a search tells its count")
            << "5 Enter" << QStringList{count} << "txtDientich";
        QTest::newRow("walking tells each option, the next key the field")
            << "5 Enter Down Down Up 1"
            << QStringList{count, "lstPA#0", "lstPA#1", "lstPA#0", "txtDientich(5)"}
            << "txtDientich";
        QTest::newRow("the field is told once, not at every key")
            << "5 Enter Down 1 2 BS" << QStringList{count, "lstPA#0", "txtDientich(5)"}
            << "txtDientich";
        QTest::newRow("a cursor key after a walk is followed too")
            << "5 Enter Down Left" << QStringList{count, "lstPA#0", "txtDientich(5)"}
            << "txtDientich";
        QTest::newRow("after the count alone the next key is followed")
            << "5 Enter 7" << QStringList{count, "txtDientich(5)"} << "txtDientich";
        QTest::newRow("a modifier alone does not move the reader")
            << "5 Enter Down Shift" << QStringList{count, "lstPA#0"} << "txtDientich";
        QTest::newRow("Enter after a walk tells the new count, not the field")
            << "5 Enter Down Enter" << QStringList{count, "lstPA#0", count} << "txtDientich";
        QTest::newRow("Tab after a walk: Qt tells the new field, once")
            << "5 Enter Down Tab 4" << QStringList{count, "lstPA#0", "txtNmax(3)"} << "txtNmax";
        QTest::newRow("walking from Nmax leads back to Nmax")
            << "5 Tab Enter Down 4" << QStringList{"txtNmax(3)", count, "lstPA#0", "txtNmax(3)"}
            << "txtNmax";
        QTest::newRow("nothing to walk, nothing to follow")
            << "Down 1" << QStringList{} << "txtDientich";
        QTest::newRow("an option clicked and walked in the list is told once a step")
            << "5 Enter click:2 Down Up"
            << QStringList{count, "lstPA", "lstPA#2", "lstPA#3", "lstPA#2"} << "lstPA";
        QTest::newRow("a walk stopped at the top tells nothing new")
            << "5 Enter Down 1 Up" << QStringList{count, "lstPA#0", "txtDientich(5)"}
            << "txtDientich";
    }
    void readerFollowsTheWork() {
        QFETCH(QString, keys);
        QFETCH(QStringList, told);
        QFETCH(QString, focusEndsIn);
        for (const QString& key : keys.split(QLatin1Char(' '))) {
            QWidget* target = QApplication::focusWidget();
            QVERIFY(target);
            if (key.startsWith(QLatin1String("click:"))) {
                auto* list = qobject_cast<QListWidget*>(control(QStringLiteral("lstPA")));
                const QRect row = list->visualItemRect(list->item(key.mid(6).toInt()));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
            } else if (NamedKeys().contains(key))
                QTest::keyClick(target, NamedKeys().value(key));
            else
                QTest::keyClicks(target, key);
        }
        QCOMPARE(Told(), told);
        QCOMPARE(QApplication::focusWidget(), control(focusEndsIn));
    }

    // A reader that builds the spoken line from runs of text attributes must get all of it.
    void aTextBoxIsOneRunFromFirstToLast_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("area field") << "txtDientich"
                                    << "abc";
        QTest::newRow("Nmax field, one digit") << "txtNmax"
                                               << "3";
        QTest::newRow("empty field") << "txtDientich"
                                     << "";
        QTest::newRow("status box") << "txtStatus"
                                    << "Có 12 phương án.";
    }
    void aTextBoxIsOneRunFromFirstToLast() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        field(control)->setText(text);
        QAccessibleTextInterface* reader =
            QAccessible::queryAccessibleInterface(field(control))->textInterface();
        QVERIFY(reader);
        QCOMPARE(reader->text(0, reader->characterCount()), text);
        for (int offset = 0; offset <= text.size(); ++offset) {
            int start = -1;
            int end = -1;
            reader->attributes(offset, &start, &end);
            QCOMPARE(start, 0);
            QCOMPARE(end, text.size());
        }
        // Reading by line, as a reader does on arriving, gives the whole text as well.
        int start = -1;
        int end = -1;
        QCOMPARE(reader->textAtOffset(0, QAccessible::LineBoundary, &start, &end), text);
    }

    // The boxes the program writes stay the program's: a reader may read them, not rewrite them.
    void outputBoxesAreNotEditedThroughTheReader() {
        QLineEdit* status = field(QStringLiteral("txtStatus"));
        const QString before = status->text();
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(status);
        reader->editableTextInterface()->replaceText(0, 3, QStringLiteral("xyz"));
        reader->setText(QAccessible::Value, QStringLiteral("xyz"));
        QCOMPARE(status->text(), before);
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(field("txtDientich"));
        area->editableTextInterface()->insertText(0, QStringLiteral("12"));
        QCOMPARE(field(QStringLiteral("txtDientich"))->text(), QStringLiteral("12"));
    }
};

VESMAROT_WINDOW_TEST_MAIN(ScreenReaderEventsTest)
#include "screen_reader_events_test.moc"
