#include "ui/main_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "ui/input_field.h"
#include "ui/phi_delegate.h"
#include "ui/placement.h"
#include "ui/program_icon.h"
#include "ui/regional_numbers.h"
#include "ui/texts.h"
#include "ui/twips.h"

namespace vesmarot::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* button = Place(new QPushButton(caption, parent), name, rect);
    // Reached by a click, never by Tab.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

// Read-only boxes the program writes: the user may still click in and copy from them.
QLineEdit* MakeOutputBox(QWidget* parent, const char* name, const QString& text,
                         Qt::Alignment alignment, QRect rect) {
    auto* box = Place(new QLineEdit(text, parent), name, rect);
    box->setReadOnly(true);
    box->setAlignment(alignment);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

InputField* MakeInputField(QWidget* parent, const char* name, const QString& text,
                           const QString& tooltip, QRect rect) {
    auto* field = Place(new InputField(text, parent), name, rect);
    field->setAlignment(Qt::AlignCenter);
    field->setToolTip(tooltip);
    field->setFocusPolicy(Qt::StrongFocus);
    return field;
}

QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), utf8.size()); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, FixedFrame(Qt::Window)) {
    DesignWindow(this, "frmVesmarot", text::kProgramName, TwipsSize(2520, 3900));

    // Created in tab order, so that the focus chain follows the design.
    Label1_ = Place(new QLabel(text::kAreaCaption, this), "Label1", TwipsRect(0, 210, 855, 225));
    txtDientich_ = MakeInputField(this, "txtDientich", QString(), text::kAreaTooltip,
                                  TwipsRect(0, 525, 750, 330));
    txtNmax_ = MakeInputField(this, "txtNmax", text::kNmaxInitial, text::kNmaxTooltip,
                              TwipsRect(945, 525, 540, 330));
    cdmOK_ = MakeButton(this, "cdmOK", text::kOk, TwipsRect(1575, 525, 855, 330));
    cdmOK_->setDefault(true);
    cmdReset_ = MakeButton(this, "cmdReset", text::kReset, TwipsRect(1575, 945, 855, 330));
    cmdExit_ = MakeButton(this, "cmdExit", text::kCancel, TwipsRect(1575, 1365, 855, 330));
    cmdAbout_ = MakeButton(this, "cmdAbout", text::kAboutButton, TwipsRect(1575, 1785, 855, 330));
    Label2_ =
        Place(new QLabel(text::kOptionsCaption, this), "Label2", TwipsRect(0, 1050, 1380, 330));
    lstPA_ = Place(new QListWidget(this), "lstPA", TwipsRect(0, 1365, 1485, 2220));
    lstPA_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPA_->setSortingEnabled(false);
    lstPA_->setUniformItemSizes(true);
    lstPA_->setFocusPolicy(Qt::ClickFocus);
    lstPA_->setItemDelegate(new PhiDelegate(lstPA_));
    txtStatus_ = MakeOutputBox(this, "txtStatus", text::kWaitingForInput,
                               Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(0, 3570, 1695, 330));
    Picture1_ = Place(new QLabel(this), "Picture1", TwipsRect(1680, 2415, 750, 750));
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setPixmap(ProgramPixmap(Twips(720), devicePixelRatioF()));
    txtF_ =
        MakeOutputBox(this, "txtF", QString(), Qt::AlignCenter, TwipsRect(1680, 3570, 855, 330));
    lblNmax_ =
        Place(new QLabel(text::kNmaxCaption, this), "lblNmax", TwipsRect(945, 210, 540, 225));
    for (QLabel* label : {Label1_, Label2_, lblNmax_}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The caption may run on into the free space to its right rather than lose its end
        // where the stand-in face is wider than the designed one.
        label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
    }

    connect(cdmOK_, &QPushButton::clicked, this, &MainWindow::cdmOK_Click);
    connect(cmdReset_, &QPushButton::clicked, this, &MainWindow::cmdReset_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
    connect(cmdAbout_, &QPushButton::clicked, this, &MainWindow::cmdAbout_Click);
    connect(lstPA_, &QListWidget::itemSelectionChanged, this, &MainWindow::lstPA_Click);

    txtDientich_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Form_Load() { txtF_->clear(); }

void MainWindow::FocusAndSelectAll(ReturnField field) {
    QLineEdit* target = FieldFor(field);
    target->setFocus(Qt::OtherFocusReason);
    SelectWholeText(target);
}

QLineEdit* MainWindow::FieldFor(ReturnField field) const {
    return field == ReturnField::Dientich ? txtDientich_ : txtNmax_;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // OK is the default button; a button that holds the focus presses itself instead.
        auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
        (focusedButton ? focusedButton : cdmOK_)->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        cmdExit_->click();  // Cancel is the cancel button
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::cdmOK_Click() {
    const QByteArray nmax = txtNmax_->text().toUtf8();
    const QByteArray area = txtDientich_->text().toUtf8();
    const engine::SearchOutcome outcome = engine::SearchOptions(
        std::string_view(nmax.constData(), nmax.size()),
        std::string_view(area.constData(), area.size()), RegionalNumberSettings());

    if (outcome.kind == engine::SearchKind::BadNmax) {
        emit messageRequested(Message::BadNmax);
        return;
    }
    lstPA_->clear();
    if (outcome.kind == engine::SearchKind::BadArea) {
        emit messageRequested(Message::BadArea);
        return;
    }
    txtDientich_->setText(ToQString(outcome.roundedAreaText));
    if (outcome.kind == engine::SearchKind::NoOption) {
        emit messageRequested(Message::NoOption);
        return;
    }

    QStringList entries;
    entries.reserve(static_cast<qsizetype>(outcome.entries.size()));
    for (const std::string& entry : outcome.entries) entries.append(ToQString(entry));
    lstPA_->addItems(entries);
    // Nothing is drawn while the handler runs, so writing the count once shows exactly what
    // counting up entry by entry would.
    txtStatus_->setText(text::OptionCountText(entries.size()));
}

void MainWindow::cmdReset_Click() {
    lstPA_->clear();
    FocusAndSelectAll(ReturnField::Dientich);
    txtStatus_->setText(text::kWaitingForInput);
    txtF_->clear();
}

void MainWindow::cmdExit_Click() { emit exitRequested(); }

void MainWindow::cmdAbout_Click() { emit aboutRequested(); }

void MainWindow::lstPA_Click() {
    const QList<QListWidgetItem*> selected = lstPA_->selectedItems();
    // Clearing or refilling the list can report a selection change with nothing selected.
    if (selected.isEmpty()) return;
    const QByteArray entry = selected.front()->text().toUtf8();
    const std::optional<std::string> shown = engine::OptionEntryAreaText(
        std::string_view(entry.constData(), entry.size()), RegionalNumberSettings());
    if (shown) txtF_->setText(ToQString(*shown));
}

}  // namespace vesmarot::ui
