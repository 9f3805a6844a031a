#include <QLabel>
#include <QScreen>

#include "tests/ui/window_test.h"

using namespace vesmarot;

class AboutTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void showsTheProgramsTexts() {
        QVERIFY(click(control("cmdAbout")));
        QWidget* about = window("frmAbout");
        QVERIFY(about);
        QTRY_COMPARE(QApplication::activeWindow(), about);
        QCOMPARE(QApplication::activeModalWidget(), about);
        QCOMPARE(about->windowTitle(), QStringLiteral("Gioi thieu chuong trinh"));
        QCOMPARE(about->size(), QSize(382, 237));
        QCOMPARE(control<QLabel>("lblTitle", about)->text(),
                 QStringLiteral("Chương trình Vesmarot"));
        QCOMPARE(control<QLabel>("lblVersion", about)->text(), QStringLiteral("Phiên bản: 1.0.1"));
        QCOMPARE(control<QLabel>("lblMota", about)->text(),
                 QStringLiteral("Mô tả chương trình:\nVesmarot"));
        QCOMPARE(control<QLabel>("Label1", about)->text(),
                 QStringLiteral("Tác giả: Nhóm phát triển Vesmarot"));
        QCOMPARE(control<QLabel>("lblChuy", about)->text(),
                 QStringLiteral("Chú ý:\nTác giả không chịu trách nhiệm về kết quả tính toán của "
                                "chương trình"));
        QCOMPARE(QApplication::focusWidget(), control("cmdOK", about));
    }

    void leavesWithoutTouchingTheMainWindow_data() {
        QTest::addColumn<int>("key");  // 0: click OK, -1: close box
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << -1;
    }
    void leavesWithoutTouchingTheMainWindow() {
        QFETCH(int, key);
        typeInto(field("txtNmax"), "12");
        QVERIFY(click(control("cmdAbout")));
        QWidget* about = window("frmAbout");
        QVERIFY(about);
        QTRY_COMPARE(QApplication::activeWindow(), about);

        if (key == 0) {
            QVERIFY(click(control("cmdOK", about)));
        } else if (key == -1) {
            about->close();
        } else {
            QTest::keyClick(about->windowHandle(), Qt::Key(key));
        }
        QTRY_VERIFY(!window("frmAbout"));
        QCOMPARE(endRequests(), 0);
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
        // The focus stays on the button that opened it; no field is focused or selected.
        QCOMPARE(mainWindow()->focusWidget(), control("cmdAbout"));
        QCOMPARE(field("txtNmax")->selectedText(), QString());
        QCOMPARE(field("txtNmax")->text(), QStringLiteral("12"));
    }

    // The three labels designed black stay black on a light dialog and take the palette's text
    // colour on a dark one, where black could not be read.
    void headingsReadableOnEveryPalette_data() {
        QTest::addColumn<QString>("palette");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("light contrast theme") << "desert" << QColor(Qt::black);
        QTest::newRow("dark desktop") << "breeze-dark" << QColor(252, 252, 252);
        QTest::newRow("dark contrast theme") << "night-sky" << QColor(Qt::white);
    }
    void headingsReadableOnEveryPalette() {
        QFETCH(QString, palette);
        QFETCH(QColor, expected);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(test::TestPalette(palette));
        QVERIFY(click(control("cmdAbout")));
        QWidget* about = window("frmAbout");
        QVERIFY(about);
        for (const char* name : {"lblTitle", "lblMota", "lblChuy"}) {
            QLabel* label = control<QLabel>(name, about);
            QCOMPARE(label->palette().color(label->foregroundRole()), expected);
        }
        // A desktop turning light again while the dialog is open turns the headings black. (Qt
        // hands a new application palette on to the windows only in a running event loop.)
        about->setPalette(test::DesertPalette());
        QCOMPARE(control<QLabel>("lblTitle", about)->palette().color(QPalette::WindowText),
                 QColor(Qt::black));
        QApplication::setPalette(before);
    }

    void reopensCentredWithItsTexts() {
        const QRect screen = mainWindow()->screen()->geometry();
        for (int showing = 0; showing < 2; ++showing) {
            QVERIFY(click(control("cmdAbout")));
            QWidget* about = window("frmAbout");
            QVERIFY(about);
            QVERIFY(qAbs(about->frameGeometry().center().x() - screen.center().x()) <= 1);
            QVERIFY(qAbs(about->frameGeometry().center().y() - screen.center().y()) <= 1);
            QCOMPARE(control<QLabel>("lblTitle", about)->text(),
                     QStringLiteral("Chương trình Vesmarot"));
            about->move(3, 3);
            control<QLabel>("lblTitle", about)->setText("changed");
            QVERIFY(click(control("cmdOK", about)));
            QTRY_VERIFY(!window("frmAbout"));
        }
    }
};

VESMAROT_WINDOW_TEST_MAIN(AboutTest)
#include "about_test.moc"
