// Runs under a Vietnamese locale (LANG=vi_VN.UTF-8): decimal comma, "." grouping.
#include "tests/ui/window_test.h"

using namespace vesmarot;

class RegionalNumbersTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QLocale::system().decimalPoint() != QLatin1String(",")) {
            QSKIP("the system locale has no decimal comma");
        }
    }

    void readsAndWritesTheDecimalComma_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("rewritten");
        QTest::newRow("12,5") << "12,5"
                              << "4" << 14 << "12,5";
        QTest::newRow("rounded") << "12,34567"
                                 << "4" << 14 << "12,346";
        QTest::newRow("Nmax 2,5 rounds to 2") << "5"
                                              << "2,5" << 9 << "5";
        QTest::newRow("grouped") << "0,3"
                                 << "3" << 3 << "0,3";
    }
    void readsAndWritesTheDecimalComma() {
        QFETCH(QString, area);
        QFETCH(QString, nmax);
        QFETCH(int, count);
        QFETCH(QString, rewritten);
        search(area, nmax);
        QVERIFY(!window("frmLoi") && !window("frmLoiNmax"));
        QCOMPARE(list()->count(), count);
        QCOMPARE(field("txtDientich")->text(), rewritten);
    }

    void showsTheSelectedAreaWithAComma() {
        search("5", "3");
        QVERIFY(click(list()->viewport(), list()->visualItemRect(list()->item(1)).center()));
        QCOMPARE(field("txtF")->text(), QStringLiteral("6,566"));
    }

    void pointGroupsDigits() {
        // "12.5" is 125 here: too much steel for any option.
        search("12.5", "3");
        QVERIFY(window("frmLoi"));
    }
};

VESMAROT_WINDOW_TEST_MAIN(RegionalNumbersTest)
#include "regional_numbers_test.moc"
