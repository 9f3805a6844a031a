#include <QLabel>
#include <QScreen>

#include "tests/ui/window_test.h"

using namespace vesmarot;

class AboutTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void init() { startProgram(); }
    void cleanup() { stopProgram(); }

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
