// Every text whole in the room its control gives it, in whatever style and at whatever scale the
// program runs, and readable against its background in dark and contrast palettes. Run once per
// style, scale and palette; each run prints its table of rooms and needs.
#include <QAbstractItemDelegate>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>

#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "tests/ui/window_test.h"
#include "ui/fonts.h"
#include "ui/regional_numbers.h"
#include "ui/text_room.h"

using namespace vesmarot;

namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// What a text needs of its control and what the control gives it, in device-independent pixels.
struct Fit {
    QString where;
    QString text;
    QSize room;
    QSize needs;
    bool fits() const { return needs.width() <= room.width() && needs.height() <= room.height(); }
};

// A line edit shows its whole text when the text, with any ink that overhangs its advance and
// a pixel for the caret, fits the style's contents rect less the text margins and the box's own
// margins (2 pixels a side, 1 above and below).
QRect LineEditTextRoom(const QLineEdit* box) {
    return ui::StyleContentsRect(box).marginsRemoved(box->textMargins()).adjusted(2, 1, -2, -1);
}

int TextWidth(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const qreal left = qMin<qreal>(0, ink.left());
    const qreal right = qMax(metrics.horizontalAdvance(text), ink.right());
    return qCeil(right - left);
}

Fit LineEditFit(const QLineEdit* box, const QString& text) {
    return {{},
            text,
            LineEditTextRoom(box).size(),
            QSize(TextWidth(box->font(), text) + 1, box->fontMetrics().height())};
}

// A button draws its caption centred on its contents rect and does not clip it there: the caption
// is whole while it fits inside the button's frame, and centred in the contents rect it always
// keeps as much room on either side.
Fit ButtonFit(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    const QRect inside = button->rect().adjusted(frame, frame, -frame, -frame);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int room =
        2 * qMin(contents.center().x() - inside.left(), inside.right() - contents.center().x()) + 1;
    const int height =
        2 * qMin(contents.center().y() - inside.top(), inside.bottom() - contents.center().y()) + 1;
    const QSize needs(TextWidth(button->font(), button->text()), button->fontMetrics().height());
    return {{}, button->text(), QSize(room, height), needs};
}

// A label breaks its text at word boundaries and line feeds within its contents rect.
Fit LabelFit(const QLabel* label) {
    const QRect room = label->contentsRect();
    int flags = int(label->alignment());
    if (label->wordWrap()) flags |= Qt::TextWordWrap;
    const QRect needs = label->fontMetrics().boundingRect(room, flags, label->text());
    return {{}, label->text(), room.size(), needs.size()};
}

Fit OptionFit(const QListWidget* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.font = list->font();
    option.fontMetrics = list->fontMetrics();
    const QSize needs = list->itemDelegate()->sizeHint(option, index);
    const QSize room = list->visualRect(index).size();
    return {{}, index.data(Qt::AccessibleTextRole).toString(), room, needs};
}

// Every text of a window as it stands, with the widest of the list's options.
QList<Fit> FitsOf(const QWidget* window) {
    QList<Fit> fits;
    const auto add = [&](const QWidget* control, Fit fit) {
        fit.where = window->objectName() + QLatin1Char('.') + control->objectName();
        fits << fit;
    };
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) add(label, LabelFit(label));
    }
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        add(box, LineEditFit(box, box->text()));
    for (const QPushButton* button : window->findChildren<QPushButton*>())
        add(button, ButtonFit(button));
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        Fit widest;
        for (int row = 0; row < list->count(); ++row) {
            const Fit fit = OptionFit(list, row);
            if (row == 0 || fit.needs.width() > widest.needs.width()) widest = fit;
        }
        if (list->count() > 0) add(list, widest);
    }
    return fits;
}

// The searches that write the longest values: the most options (the longest count), the
// widest option entry and the widest area an option provides, over every area in steps of a
// quarter and the largest, with the largest Nmax.
struct Extremes {
    QString mostOptionsArea, widestEntryArea, widestEntry, widestProvidedArea, widestProvidedEntry;
};

Extremes FindExtremes(const QFont& font) {
    const QFontMetricsF metrics(font);
    const engine::NumberSettings settings = ui::RegionalNumberSettings();
    const QString nmax = QString::number(engine::kMaxNmax);
    Extremes found;
    qsizetype mostOptions = -1;
    qreal widestEntry = -1, widestArea = -1;
    for (int quarters = 1; quarters <= 400; ++quarters) {
        const QString area =
            quarters == 400 ? QStringLiteral("99.999") : QString::number(quarters / 4.0);
        const QString typed =
            QString(area).replace(QLatin1Char('.'), QLocale::system().decimalPoint());
        const engine::SearchOutcome outcome =
            engine::SearchOptions(Utf8(nmax), Utf8(typed), settings);
        if (outcome.kind != engine::SearchKind::OptionsFound) continue;
        if (qsizetype(outcome.entries.size()) > mostOptions) {
            mostOptions = qsizetype(outcome.entries.size());
            found.mostOptionsArea = typed;
        }
        for (const std::string& entry : outcome.entries) {
            const QString shown = FromUtf8(entry).replace(QLatin1Char('f'), QChar(0x03C6));
            if (metrics.horizontalAdvance(shown) > widestEntry) {
                widestEntry = metrics.horizontalAdvance(shown);
                found.widestEntryArea = typed;
                found.widestEntry = shown;
            }
            const auto provided = engine::OptionEntryAreaText(entry, settings);
            if (provided && metrics.horizontalAdvance(FromUtf8(*provided)) > widestArea) {
                widestArea = metrics.horizontalAdvance(FromUtf8(*provided));
                found.widestProvidedArea = typed;
                found.widestProvidedEntry = FromUtf8(entry);
            }
        }
    }
    return found;
}

}  // namespace

// Each text's colour against what it is drawn on, as its control's palette gives them.
struct Contrast {
    QString where;
    QColor text, background;
};

QList<Contrast> ContrastsOf(const QWidget* window) {
    QList<Contrast> found;
    const auto name = [&](const QWidget* control) {
        return window->objectName() + QLatin1Char('.') + control->objectName();
    };
    const QColor backdrop = window->palette().color(window->backgroundRole());
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            found << Contrast{name(label), label->palette().color(label->foregroundRole()),
                              backdrop};
    }
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        found << Contrast{name(box), box->palette().color(QPalette::Text),
                          box->palette().color(QPalette::Base)};
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        found << Contrast{name(button), button->palette().color(QPalette::ButtonText),
                          button->palette().color(QPalette::Button)};
    }
    for (const QListWidget* list : window->findChildren<QListWidget*>()) {
        found << Contrast{name(list), list->palette().color(QPalette::Text),
                          list->palette().color(QPalette::Base)};
    }
    return found;
}

class AppearanceTest : public test::WindowTest {
    Q_OBJECT
  private slots:
    void initTestCase() {
        startPalette_ = QApplication::palette();
        extremes_ = FindExtremes(ui::WindowFont());
    }
    void cleanup() {
        stopProgram();
        QApplication::setPalette(startPalette_);
    }

    // Dark and contrast palettes as desktops give them, and whatever this platform gives.
    void everyTextStandsOutFromItsBackground_data() {
        QTest::addColumn<QString>("palette");
        QTest::newRow("platform") << QString();
        for (const QString& name : test::TestPaletteNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyTextStandsOutFromItsBackground() {
        QFETCH(QString, palette);
        if (!palette.isEmpty()) {
            stopProgram();
            QApplication::setPalette(test::TestPalette(palette));
            startProgram();
        }
        search(QStringLiteral("5"), QStringLiteral("3"));
        list()->setCurrentRow(1);
        QList<Contrast> contrasts = ContrastsOf(mainWindow());
        for (const char* opener : {"cmdAbout", "cdmOK"}) {
            if (QLatin1String(opener) == QLatin1String("cdmOK"))
                typeInto(field("txtDientich"), "x");
            QVERIFY(click(control(QLatin1String(opener))));
            QTRY_VERIFY(QApplication::activeWindow() != mainWindow());
            QWidget* dialog = QApplication::activeWindow();
            contrasts << ContrastsOf(dialog);
            QVERIFY(click(control(QStringLiteral("cmdOK"), dialog)));
            QTRY_COMPARE(QApplication::activeWindow(), mainWindow());
        }
        QStringList faint;
        for (const Contrast& contrast : contrasts) {
            const double ratio = test::ContrastRatio(contrast.text, contrast.background);
            qInfo().noquote() << QStringLiteral("%1 | %2 | %3 on %4 | %5:1")
                                     .arg(palette.isEmpty() ? QStringLiteral("platform") : palette,
                                          contrast.where, contrast.text.name(),
                                          contrast.background.name())
                                     .arg(ratio, 0, 'f', 1);
            if (ratio < 4.5) faint << contrast.where;
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(QStringLiteral(", "))));
    }

    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("state");
        for (const char* state :
             {"waiting", "frmLoi", "frmLoiNmax", "frmKhongthayPA", "frmAbout", "most options",
              "widest area", "widest option", "widest provided area"})
            QTest::newRow(state) << QString::fromLatin1(state);
    }
    void everyTextFitsItsControl() {
        QFETCH(QString, state);
        const Extremes& extremes = extremes_;
        const QString nmax = QString::number(engine::kMaxNmax);
        if (state == QLatin1String("frmLoi")) {
            search(QStringLiteral("abc"), QStringLiteral("3"));
        } else if (state == QLatin1String("frmLoiNmax")) {
            search(QStringLiteral("5"), QStringLiteral("0"));
        } else if (state == QLatin1String("frmKhongthayPA")) {
            search(QStringLiteral("99"), QStringLiteral("1"));
        } else if (state == QLatin1String("frmAbout")) {
            QVERIFY(click(control(QStringLiteral("cmdAbout"))));
        } else if (state == QLatin1String("most options")) {
            search(extremes.mostOptionsArea, nmax);
        } else if (state == QLatin1String("widest area")) {
            search(QStringLiteral("99") + QLocale::system().decimalPoint() + "999", nmax);
        } else if (state == QLatin1String("widest option")) {
            search(extremes.widestEntryArea, nmax);
        } else if (state == QLatin1String("widest provided area")) {
            search(extremes.widestProvidedArea, nmax);
            const QList<QListWidgetItem*> found =
                list()->findItems(extremes.widestProvidedEntry, Qt::MatchExactly);
            QVERIFY2(!found.isEmpty(), qPrintable(extremes.widestProvidedEntry));
            list()->setCurrentItem(found.front());
        }
        const QString windowName = state.startsWith(QLatin1String("frm")) ? state : "frmVesmarot";
        QTRY_VERIFY(window(windowName) && QApplication::activeWindow() == window(windowName));
        QWidget* shown = window(windowName);
        if (state == QLatin1String("widest option"))
            QVERIFY(list()
                        ->findItems(QString(extremes.widestEntry).replace(QChar(0x03C6), 'f'),
                                    Qt::MatchExactly)
                        .size() == 1);

        const QString style = QApplication::style()->name();
        const qreal scale = shown->devicePixelRatioF();
        qInfo().noquote() << QStringLiteral("style %1, scale %2, face %3, %4 px")
                                 .arg(style)
                                 .arg(scale)
                                 .arg(QFontInfo(shown->font()).family())
                                 .arg(QFontInfo(shown->font()).pixelSize());
        QStringList misfits;
        for (const Fit& fit : FitsOf(shown)) {
            qInfo().noquote() << QStringLiteral("%1 @%2 | %3 | %4 | room %5x%6 | needs %7x%8")
                                     .arg(style)
                                     .arg(scale)
                                     .arg(fit.where, QString(fit.text).replace('\n', "\\n"))
                                     .arg(fit.room.width())
                                     .arg(fit.room.height())
                                     .arg(fit.needs.width())
                                     .arg(fit.needs.height());
            if (!fit.fits()) misfits << fit.where + QStringLiteral(" \"") + fit.text + '"';
        }
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral(", "))));
    }

  private:
    QPalette startPalette_;
    Extremes extremes_;
};

VESMAROT_WINDOW_TEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
