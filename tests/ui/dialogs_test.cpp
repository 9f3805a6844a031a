#include <QDialog>
#include <QLabel>
#include <QScreen>

#include "tests/ui/window_test.h"

using namespace vesmarot;

namespace {

enum class Leave { OkClick, Enter, CloseBox };

}  // namespace
Q_DECLARE_METATYPE(Leave)

class DialogsTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void reportsAndLeadsBack_data() {
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("returnField");
        QTest::addColumn<int>("listAfter");
        QTest::addColumn<QString>("areaAfter");
        QTest::addColumn<Leave>("leave");
        // The list holds the 12 options of 5 cm², Nmax 3 before each bad request.
        const struct {
            const char* name;
            const char* nmax;
            const char* area;
            const char* dialog;
            const char* returnField;
            int listAfter;
            const char* areaAfter;
        } cases[] = {
            {"bad Nmax keeps the list", "0.5", "7", "frmLoiNmax", "txtNmax", 12, "7"},
            {"word as Nmax", "ba", "7", "frmLoiNmax", "txtNmax", 12, "7"},
            {"both bad: Nmax first", "", "abc", "frmLoiNmax", "txtNmax", 12, "abc"},
            {"Nmax over 255", "300", "7", "frmLoiNmax", "txtNmax", 12, "7"},
            {"bad area empties the list", "3", "100", "frmLoi", "txtDientich", 0, "100"},
            {"word as area", "3", "thep", "frmLoi", "txtDientich", 0, "thep"},
            {"empty area", "3", "", "frmLoi", "txtDientich", 0, ""},
            {"no option", "3", "40", "frmKhongthayPA", "txtNmax", 0, "40"},
            {"30 mm never alone", "1", "7.0", "frmKhongthayPA", "txtNmax", 0, "7"},
        };
        for (const auto& c : cases) {
            for (const auto& [leaveName, leave] :
                 {std::pair{"OK", Leave::OkClick}, std::pair{"Enter", Leave::Enter},
                  std::pair{"close box", Leave::CloseBox}}) {
                QTest::addRow("%s, %s", c.name, leaveName)
                    << c.nmax << c.area << c.dialog << c.returnField << c.listAfter << c.areaAfter
                    << leave;
            }
        }
    }
    void reportsAndLeadsBack() {
        QFETCH(QString, nmax);
        QFETCH(QString, area);
        QFETCH(QString, dialog);
        QFETCH(QString, returnField);
        QFETCH(int, listAfter);
        QFETCH(QString, areaAfter);
        QFETCH(Leave, leave);

        search("5", "3");
        QCOMPARE(list()->count(), 12);
        search(area, nmax);

        QWidget* shown = window(dialog);
        QVERIFY(shown);
        QTRY_COMPARE(QApplication::activeWindow(), shown);
        QCOMPARE(QApplication::activeModalWidget(), shown);
        QCOMPARE(list()->count(), listAfter);
        QCOMPARE(field("txtDientich")->text(), areaAfter);
        QCOMPARE(field("txtStatus")->text(), QStringLiteral("Có 12 phương án."));
        for (const char* other : {"frmLoi", "frmLoiNmax", "frmKhongthayPA", "frmAbout"}) {
            if (dialog != QLatin1String(other)) QVERIFY(!window(other));
        }

        switch (leave) {
            case Leave::OkClick:
                QVERIFY(click(control("cmdOK", shown)));
                break;
            case Leave::Enter:
                QTest::keyClick(shown->windowHandle(), Qt::Key_Return);
                break;
            case Leave::CloseBox:
                shown->close();
                break;
        }

        QTRY_VERIFY(!window(dialog));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
        QLineEdit* back = field(returnField);
        QCOMPARE(QApplication::focusWidget(), back);
        // Selected as the window turns active again, so that a screen reader hears it once.
        QTRY_COMPARE(back->selectionStart(), back->text().isEmpty() ? -1 : 0);
        QTRY_COMPARE(back->selectedText(), back->text());
        QCOMPARE(back->cursorPosition(), back->text().size());
    }

    void escapeDoesNotLeaveAMessage() {
        search("abc", "3");
        QWidget* shown = window("frmLoi");
        QVERIFY(shown);
        QTest::keyClick(shown->windowHandle(), Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(window("frmLoi"));
        QCOMPARE(endRequests(), 0);
        QVERIFY(click(control("cmdOK", shown)));
        QTRY_VERIFY(!window("frmLoi"));
    }

    void blocksTheMainWindowWhileUp() {
        search("5", "3");
        QVERIFY(click(list()->viewport(), list()->visualItemRect(list()->item(2)).center()));
        const QString shownArea = field("txtF")->text();
        search("40", "3");
        QWidget* shown = window("frmKhongthayPA");
        QVERIFY(shown);
        QTRY_COMPARE(QApplication::activeWindow(), shown);

        // Window-level input goes through the window system's modal blocking.
        QWindow* mainHandle = mainWindow()->windowHandle();
        const QPoint reset = control("cmdReset")->geometry().center();
        QTest::mouseClick(mainHandle, Qt::LeftButton, {}, reset);
        QTest::keyClick(mainHandle, Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(window("frmKhongthayPA"));
        QCOMPARE(endRequests(), 0);
        QCOMPARE(field("txtStatus")->text(), QStringLiteral("Có 12 phương án."));
        QCOMPARE(field("txtF")->text(), shownArea);
        QCOMPARE(field("txtDientich")->text(), QStringLiteral("40"));
        QVERIFY(mainWindow()->isVisible());

        QVERIFY(click(control("cmdOK", shown)));
        QTRY_VERIFY(!window("frmKhongthayPA"));
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
        // The same click now reaches the window: Reset runs.
        QTest::mouseClick(mainHandle, Qt::LeftButton, {}, reset);
        QTRY_COMPARE(field("txtStatus")->text(), QStringLiteral("Chờ nhập số liệu..."));
    }

    void showsTheDesignedMessage_data() {
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("frmLoi") << "3"
                                << "0"
                                << "frmLoi"
                                << "Thong bao loi"
                                << "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các "
                                   "giá trị diện tích thép là số dương và nhỏ hơn 100. Cảm ơn."
                                << 1815;
        QTest::newRow("frmLoiNmax") << "-2"
                                    << "5"
                                    << "frmLoiNmax"
                                    << "Thong bao loi"
                                    << "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận "
                                       "các giá trị Nmax là số dương. Cảm ơn."
                                    << 1815;
        QTest::newRow("frmKhongthayPA")
            << "16"
            << "99.9"
            << "frmKhongthayPA"
            << "Khong tim thay phuong an nao"
            << "Không tìm thấy phương án nào. Cần tăng số thanh thép trên một tiết diện (Nmax). "
               "Cảm ơn."
            << 1455;
    }
    void showsTheDesignedMessage() {
        QFETCH(QString, nmax);
        QFETCH(QString, area);
        QFETCH(QString, dialog);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(int, heightTwips);
        search(area, nmax);
        QWidget* shown = window(dialog);
        QVERIFY(shown);
        QTRY_COMPARE(QApplication::activeWindow(), shown);
        QCOMPARE(shown->windowTitle(), title);
        auto* label = control<QLabel>("Label1", shown);
        QVERIFY(label);
        QCOMPARE(label->text(), message);
        QVERIFY(label->wordWrap());
        QCOMPARE(shown->size(), QSize(216, heightTwips / 15));
        auto* ok = control<QPushButton>("cmdOK", shown);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(!(shown->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(shown->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void reopensCentredAndFresh() {
        const QRect screen = mainWindow()->screen()->geometry();
        for (int showing = 0; showing < 2; ++showing) {
            search("abc", "3");
            QWidget* shown = window("frmLoi");
            QVERIFY(shown);
            const QRect frame = shown->frameGeometry();
            QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
            QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
            shown->move(5, 5);  // the user drags it away
            QVERIFY(click(control("cmdOK", shown)));
            QTRY_VERIFY(!window("frmLoi"));
        }
    }
};

VESMAROT_WINDOW_TEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
