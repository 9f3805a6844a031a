// The option list without a mouse: walking it from the input fields, copying an option, and what
// each option's tooltip says. Runs in C and, once more, in vi_VN.
#include <QClipboard>
#include <QMenu>

#include "tests/ui/window_test.h"

using namespace vesmarot;

namespace {

// What happens before the keys are pressed.
enum class Before { Nothing, Search, SearchThenReset, BadArea, BadNmax, NoOption };

QString Decimals(QString pointText) {
    return pointText.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

}  // namespace
Q_DECLARE_METATYPE(Before)

class OptionListTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void arrowsInAFieldWalkTheOptions_data() {
        QTest::addColumn<Before>("before");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("startRow");  // -1: nothing selected
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("endRow");  // -1: nothing selected; -2: one page from the top
        const QList<int> down{Qt::Key_Down};
        const QList<int> up{Qt::Key_Up};
        const QList<int> pageDown{Qt::Key_PageDown};
        const QList<int> pageUp{Qt::Key_PageUp};
        for (const char* from : {"txtDientich", "txtNmax"}) {
            auto row = [from](const char* name) -> QTestData& {
                return QTest::addRow("%s, %s", from, name);
            };
            row("Down from none takes the first") << Before::Search << from << -1 << down << 0;
            row("Up from none takes the first") << Before::Search << from << -1 << up << 0;
            row("Down, Down, Up") << Before::Search << from << -1
                                  << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up} << 0;
            row("Down in the middle") << Before::Search << from << 4 << down << 5;
            row("Up at the top stays") << Before::Search << from << 0 << up << 0;
            row("Down at the bottom stays") << Before::Search << from << 11 << down << 11;
            row("PageDown from the top") << Before::Search << from << 0 << pageDown << -2;
            row("PageDown at the bottom stays") << Before::Search << from << 11 << pageDown << 11;
            row("PageUp at the top stays") << Before::Search << from << 0 << pageUp << 0;
            row("PageUp from the bottom stops at the top")
                << Before::Search << from << 11 << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp} << 0;
            row("empty list") << Before::Nothing << from << -1 << down << -1;
            row("after Reset") << Before::SearchThenReset << from << -1 << down << -1;
            row("after a bad area") << Before::BadArea << from << -1 << pageDown << -1;
            row("after a bad Nmax the list stays") << Before::BadNmax << from << -1 << down << 0;
            row("after no option") << Before::NoOption << from << -1 << up << -1;
        }
    }
    void arrowsInAFieldWalkTheOptions() {
        QFETCH(Before, before);
        QFETCH(QString, from);
        QFETCH(int, startRow);
        QFETCH(QList<int>, keys);
        QFETCH(int, endRow);

        if (before != Before::Nothing) search("5", "3");
        switch (before) {
            case Before::Nothing:
            case Before::Search:
                break;
            case Before::SearchThenReset:
                QVERIFY(click(control("cmdReset")));
                break;
            case Before::BadArea:
                QVERIFY(leaveDialogAfter("abc", "3", "frmLoi"));
                break;
            case Before::BadNmax:
                QVERIFY(leaveDialogAfter("5", "0", "frmLoiNmax"));
                break;
            case Before::NoOption:
                QVERIFY(leaveDialogAfter("40", "3", "frmKhongthayPA"));
                break;
        }
        if (startRow >= 0) {
            list()->scrollToItem(list()->item(startRow));
            QVERIFY(
                click(list()->viewport(), list()->visualItemRect(list()->item(startRow)).center()));
        }
        if (endRow == -2) endRow = qMin(rowsPerPage(), list()->count() - 1);

        // The user is typing in a field, part of its text selected.
        QLineEdit* field = this->field(from);
        field->setFocus(Qt::TabFocusReason);
        field->setText(from == QLatin1String("txtNmax") ? QStringLiteral(" 3 ")
                                                        : Decimals(QStringLiteral("5.25")));
        field->setSelection(1, 2);
        const QString textBefore = field->text();
        const QString areaBoxBefore = this->field("txtF")->text();

        for (int key : keys) QTest::keyClick(field, Qt::Key(key));

        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->text(), textBefore);
        QCOMPARE(field->selectionStart(), 1);
        QCOMPARE(field->selectionLength(), 2);
        const QList<QListWidgetItem*> selected = list()->selectedItems();
        if (endRow < 0) {
            QVERIFY(selected.isEmpty());
            QCOMPARE(this->field("txtF")->text(), areaBoxBefore);
            return;
        }
        QCOMPARE(selected.size(), 1);
        QCOMPARE(list()->row(selected.front()), endRow);
        QCOMPARE(list()->currentRow(), endRow);
        QVERIFY(list()->viewport()->rect().contains(list()->visualItemRect(selected.front())));
        QCOMPARE(this->field("txtF")->text(), areaOf(selected.front()->text()));
    }

    void tabStillSkipsTheList() {
        search("5", "3");
        field("txtDientich")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field("txtDientich"), Qt::Key_Down);
        QCOMPARE(list()->currentRow(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("txtNmax"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field("txtDientich"));
    }

    void copyPutsTheShownOptionOnTheClipboard_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Copy key, one diameter") << 0 << false << "3φ16";
        QTest::newRow("Copy key, two diameters") << 1 << false << "2φ16+1φ18";
        QTest::newRow("menu, one diameter") << 11 << true << "1φ28";
        QTest::newRow("menu, two diameters") << 2 << true << "1φ16+2φ18";
    }
    void copyPutsTheShownOptionOnTheClipboard() {
        QFETCH(int, row);
        QFETCH(bool, byMenu);
        QFETCH(QString, expected);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        search("5", "3");
        const QPoint at = list()->visualItemRect(list()->item(row)).center();
        if (byMenu) {
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at,
                                        list()->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list()->viewport(), &menuEvent);
            QMenu* menu = nullptr;
            QTRY_VERIFY((menu = openMenu()) != nullptr);
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().front()->text(), QStringLiteral("Sao chép"));
            // The option pointed at is the one selected and copied.
            QCOMPARE(list()->currentRow(), row);
            menu->actions().front()->trigger();
            menu->close();
        } else {
            QVERIFY(click(list()->viewport(), at));
            QCOMPARE(QApplication::focusWidget(), list());
            QTest::keySequence(list(), QKeySequence::Copy);
        }
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }

    void copyWithNothingSelectedKeepsTheClipboard() {
        QApplication::clipboard()->setText(QStringLiteral("before"));
        search("5", "3");
        list()->setFocus(Qt::MouseFocusReason);
        QTest::keySequence(list(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    }

    void tooltipsTellTheAreaAndTheExcess_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");  // with decimal points
        QTest::newRow("3f16 for 5") << "5"
                                    << "3" << 0 << "6.032 cm² (+20.6 %)";
        QTest::newRow("1f28 for 5") << "5"
                                    << "3" << 11 << "6.158 cm² (+23.2 %)";
        // Against 12.34567 as typed, not the 12.346 written back.
        QTest::newRow("unrounded area") << "12.34567"
                                        << "4" << 0 << "12.566 cm² (+1.8 %)";
        // 6.031857792 is 1.2 times 5.02654816: the excess has no decimal to show.
        QTest::newRow("whole excess") << "5.02654816"
                                      << "3" << 0 << "6.032 cm² (+20 %)";
    }
    void tooltipsTellTheAreaAndTheExcess() {
        QFETCH(QString, area);
        QFETCH(QString, nmax);
        QFETCH(int, row);
        QFETCH(QString, expected);
        search(Decimals(area), nmax);
        QListWidgetItem* item = list()->item(row);
        QVERIFY(item);
        QCOMPARE(item->toolTip(), Decimals(expected));
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), Decimals(expected));
    }

  private:
    bool leaveDialogAfter(const QString& area, const QString& nmax, const QString& dialog) {
        search(area, nmax);
        QWidget* shown = window(dialog);
        if (!shown || !click(control("cmdOK", shown))) return false;
        return QTest::qWaitFor([&] { return !window(dialog); });
    }

    int rowsPerPage() const { return list()->viewport()->height() / list()->sizeHintForRow(0); }

    // The areas of the twelve options of 5 cm², Nmax 3, worked out by hand.
    static QString areaOf(const QString& entry) {
        static const QHash<QString, QString> kAreas{
            {"3f16", "6.032"},      {"2f16+1f18", "6.566"},  {"1f16+2f18", "7.1"},
            {"2f18", "5.089"},      {"1f18+1f20", "5.686"},  {"2f20", "6.283"},
            {"1f20+1f22", "6.943"}, {"2f22", "7.603"},       {"1f22+1f25", "8.71"},
            {"2f25", "9.817"},      {"1f25+1f28", "11.066"}, {"1f28", "6.158"}};
        return Decimals(kAreas.value(entry));
    }

    static QMenu* openMenu() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible()) return menu;
        }
        return nullptr;
    }
};

VESMAROT_WINDOW_TEST_MAIN(OptionListTest)
#include "option_list_test.moc"
