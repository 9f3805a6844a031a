// What a screen reader is told: roles, names and descriptions through Qt's accessibility layer.
#include <QAccessible>
#include <QAccessibleTableCellInterface>

#include "tests/ui/window_test.h"

using namespace vesmarot;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

}  // namespace

class AccessibilityTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void mainWindowIsAWindowWithItsTitle() {
        QAccessibleInterface* main = Accessible(mainWindow());
        QVERIFY(main);
        QCOMPARE(main->role(), QAccessible::Window);
        QCOMPARE(main->text(QAccessible::Name), QStringLiteral("Vesmarot"));
    }

    void everyControlHasAName_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("area field") << "txtDientich"
                                    << "Diện tích cốt thép cần (cm²)"
                                    << "";
        QTest::newRow("Nmax field") << "txtNmax"
                                    << "Số thanh thép tối đa (Nmax)"
                                    << "Số thanh thép tối đa trong một tiết diện";
        QTest::newRow("option list") << "lstPA"
                                     << "Các phương án"
                                     << "";
        QTest::newRow("status box") << "txtStatus"
                                    << "Trạng thái"
                                    << "";
        QTest::newRow("area box") << "txtF"
                                  << "Diện tích của phương án đã chọn (cm²)"
                                  << "";
        QTest::newRow("OK") << "cdmOK"
                            << "OK"
                            << "";
        QTest::newRow("Reset") << "cmdReset"
                               << "Reset"
                               << "";
        QTest::newRow("Cancel") << "cmdExit"
                                << "Cancel"
                                << "";
        QTest::newRow("About") << "cmdAbout"
                               << "About..."
                               << "";
        QTest::newRow("picture") << "Picture1"
                                 << "Biểu tượng Vesmarot"
                                 << "";
    }
    void everyControlHasAName() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* iface = Accessible(this->control(control));
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Name).normalized(QString::NormalizationForm_C), name);
        // Spoken: never the plain-ASCII tooltip, and nothing where the name says it all.
        QCOMPARE(iface->text(QAccessible::Description), description);
    }

    void optionsAreReadWithTheDiameterSign() {
        search("5", "3");
        QAccessibleInterface* listIface = Accessible(list());
        QVERIFY(listIface && listIface->tableInterface());
        QAccessibleTableInterface* table = listIface->tableInterface();
        QCOMPARE(table->rowCount(), 12);
        const QStringList expected{"3φ16", "2φ16+1φ18", "1φ16+2φ18"};
        for (int row = 0; row < expected.size(); ++row) {
            QAccessibleInterface* cell = table->cellAt(row, 0);
            QVERIFY(cell);
            QCOMPARE(cell->text(QAccessible::Name), expected.at(row));
            QVERIFY(!cell->text(QAccessible::Description).isEmpty());
        }
        // The item itself keeps the letter its area is read back from.
        QCOMPARE(list()->item(1)->text(), QStringLiteral("2f16+1f18"));
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // A reader that counts only the rows in view is told every option all the same, and the
    // counts follow each new search rather than the interfaces made for the last one.
    void optionsTellTheirPositionAndNumber_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<int>("count");
        QTest::newRow("5 cm2, Nmax 3") << "5"
                                       << "3" << 12;
        QTest::newRow("2 cm2, Nmax 2") << "2"
                                       << "2" << 5;
        QTest::newRow("the most options") << "72"
                                          << "255" << 736;
    }
    void optionsTellTheirPositionAndNumber() {
        QFETCH(QString, area);
        QFETCH(QString, nmax);
        QFETCH(int, count);
        // A first search whose items a reader has already asked for.
        search("5", "3");
        QAccessibleInterface* listIface = Accessible(list());
        QVERIFY(listIface->child(11));
        search(area, nmax);
        QCOMPARE(listIface->childCount(), count);
        const auto custom = [](QAccessibleInterface* iface) {
            QAccessibleAttributesInterface* attributes = iface->attributesInterface();
            return attributes ? attributes->attributeValue(QAccessible::Attribute::Custom)
                                    .value<QHash<QString, QString>>()
                              : QHash<QString, QString>{};
        };
        QCOMPARE(custom(listIface).value("setsize"), QString::number(count));
        for (int row : {0, count / 2, count - 1}) {
            QAccessibleInterface* item = listIface->child(row);
            QVERIFY(item);
            QCOMPARE(listIface->indexOfChild(item), row);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(custom(item).value("posinset"), QString::number(row + 1));
            QCOMPARE(custom(item).value("setsize"), QString::number(count));
        }
        QVERIFY(!listIface->child(count));
    }

    // Choosing an option through the reader does what a click does: the area it provides shows.
    void anOptionChosenByAReaderShowsItsArea() {
        search("5", "3");
        QAccessibleInterface* listIface = Accessible(list());
        QAccessibleSelectionInterface* selection = listIface->selectionInterface();
        QVERIFY(selection);
        QVERIFY(selection->select(listIface->child(1)));
        QCOMPARE(selection->selectedItemCount(), 1);
        QVERIFY(selection->isSelected(listIface->child(1)));
        QVERIFY(listIface->child(1)->state().selected);
        QVERIFY(field("txtF")->text().endsWith(QStringLiteral("566")));
    }
#endif

    void messagesAreAlertsCarryingTheirText_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("nmax");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad area") << "abc"
                                  << "3"
                                  << "frmLoi"
                                  << "Thông báo lỗi"
                                  << "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các "
                                     "giá trị diện tích thép là số dương và nhỏ hơn 100. Cảm ơn.";
        QTest::newRow("bad Nmax") << "5"
                                  << "0"
                                  << "frmLoiNmax"
                                  << "Thông báo lỗi"
                                  << "Làm ơn kiểm tra lại số liệu. Chương trình chỉ chấp nhận các "
                                     "giá trị Nmax là số dương. Cảm ơn.";
        QTest::newRow("no option") << "40"
                                   << "3"
                                   << "frmKhongthayPA"
                                   << "Không tìm thấy phương án nào"
                                   << "Không tìm thấy phương án nào. Cần tăng số thanh thép trên "
                                      "một tiết diện (Nmax). Cảm ơn.";
    }
    void messagesAreAlertsCarryingTheirText() {
        QFETCH(QString, area);
        QFETCH(QString, nmax);
        QFETCH(QString, dialog);
        QFETCH(QString, title);
        QFETCH(QString, message);
        search(area, nmax);
        QWidget* shown = window(dialog);
        QVERIFY(shown);
        QAccessibleInterface* iface = Accessible(shown);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::AlertMessage);
        QCOMPARE(iface->text(QAccessible::Name), title);
        // The message is read once, from the dialog's label, and nowhere else.
        QStringList read;
        for (int i = 0; i < iface->childCount(); ++i)
            read << iface->child(i)->text(QAccessible::Name);
        QCOMPARE(read.count(message), 1);
        QVERIFY(iface->text(QAccessible::Description).isEmpty());
        QVERIFY(iface->text(QAccessible::Value).isEmpty());
        QVERIFY(click(control("cmdOK", shown)));
        QTRY_VERIFY(!window(dialog));
    }

    void aboutStaysADialog() {
        QVERIFY(click(control("cmdAbout")));
        QWidget* about = window("frmAbout");
        QVERIFY(about);
        QAccessibleInterface* iface = Accessible(about);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Dialog);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Giới thiệu chương trình"));
        QCOMPARE(about->windowTitle(), QStringLiteral("Gioi thieu chuong trinh"));
        QVERIFY(click(control("cmdOK", about)));
        QTRY_VERIFY(!window("frmAbout"));
    }
};

VESMAROT_WINDOW_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
