#include "ui/main_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "engine/option_entry.h"
#include "engine/option_search.h"
#include "ui/accessibility/accessible_factory.h"
#include "ui/accessibility/screen_reader_guide.h"
#include "ui/input_field.h"
#include "ui/option_list.h"
#include "ui/placement.h"
#include "ui/program_icon.h"
#include "ui/regional_numbers.h"
#include "ui/text_room.h"
#include "ui/texts.h"
#include "ui/twips.h"
#include "ui/utf8_text.h"

namespace vesmarot::ui {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* button = Place(new QPushButton(caption, parent), name, rect);
    // Reached by a click, never by Tab.
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

// Read-only boxes the program writes: the user may still click in and copy from them.
OutputBox* MakeOutputBox(QWidget* parent, const char* name, const QString& text,
                         const QString& accessibleName, Qt::Alignment alignment, QRect rect) {
    auto* box = Place(new OutputBox(parent), name, rect);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setAlignment(alignment);
    box->setFocusPolicy(Qt::ClickFocus);
    box->showText(text);
    return box;
}

// The plain-ASCII tooltip is for the eye; a screen reader gets the spoken description instead.
InputField* MakeInputField(QWidget* parent, const char* name, const QString& text,
                           const QString& accessibleName, const QString& spokenDescription,
                           const QString& tooltip, QRect rect) {
    auto* field = Place(new InputField(text, parent), name, rect);
    field->setAlignment(Qt::AlignCenter);
    field->setAccessibleName(accessibleName);
    field->setAccessibleDescription(spokenDescription);
    field->setToolTip(tooltip);
    field->setFocusPolicy(Qt::StrongFocus);
    KeepDesignedTextRoom(field);
    return field;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, FixedFrame(Qt::Window)) {
    SetWindowRole(this, QAccessible::Window);
    DesignWindow(this, "frmVesmarot", text::kProgramName, text::kProgramName,
                 TwipsSize(2520, 3900));

    // Created in tab order, so that the focus chain follows the design.
    areaCaption_ =
        Place(new QLabel(text::kAreaCaption, this), "Label1", TwipsRect(0, 210, 855, 225));
    areaField_ = MakeInputField(this, "txtDientich", QString(), text::kAreaFieldName, QString(),
                                text::kAreaTooltip, TwipsRect(0, 525, 750, 330));
    nmaxField_ = MakeInputField(this, "txtNmax", text::kNmaxInitial, text::kNmaxFieldName,
                                text::kNmaxFieldDescription, text::kNmaxTooltip,
                                TwipsRect(945, 525, 540, 330));
    okButton_ = MakeButton(this, "cdmOK", text::kOk, TwipsRect(1575, 525, 855, 330));
    okButton_->setDefault(true);
    resetButton_ = MakeButton(this, "cmdReset", text::kReset, TwipsRect(1575, 945, 855, 330));
    cancelButton_ = MakeButton(this, "cmdExit", text::kCancel, TwipsRect(1575, 1365, 855, 330));
    aboutButton_ =
        MakeButton(this, "cmdAbout", text::kAboutButton, TwipsRect(1575, 1785, 855, 330));
    optionsCaption_ =
        Place(new QLabel(text::kOptionsCaption, this), "Label2", TwipsRect(0, 1050, 1380, 330));
    optionList_ = Place(new OptionList(this), "lstPA", TwipsRect(0, 1365, 1485, 2220));
    optionList_->setFocusPolicy(Qt::ClickFocus);
    optionList_->setAccessibleName(text::kOptionListName);
    statusBox_ = MakeOutputBox(this, "txtStatus", text::kWaitingForInput, text::kStatusBoxName,
                               Qt::AlignLeft | Qt::AlignVCenter, TwipsRect(0, 3570, 1695, 330));
    picture_ = Place(new QLabel(this), "Picture1", TwipsRect(1680, 2415, 750, 750));
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAccessibleName(text::kPictureName);
    picture_->setPixmap(ProgramPixmap(Twips(720), devicePixelRatioF()));
    providedAreaBox_ = MakeOutputBox(this, "txtF", QString(), text::kProvidedAreaBoxName,
                                     Qt::AlignCenter, TwipsRect(1680, 3570, 855, 330));
    nmaxCaption_ =
        Place(new QLabel(text::kNmaxCaption, this), "lblNmax", TwipsRect(945, 210, 540, 225));
    for (QLabel* label : {areaCaption_, optionsCaption_, nmaxCaption_}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        LetTextRunOn(label);
    }

    connect(okButton_, &QPushButton::clicked, this, &MainWindow::onOkClicked);
    connect(resetButton_, &QPushButton::clicked, this, &MainWindow::onResetClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &MainWindow::onCancelClicked);
    connect(aboutButton_, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    connect(optionList_, &QListWidget::itemSelectionChanged, this, &MainWindow::onOptionSelected);

    screenReader_ = new ScreenReaderGuide(this, {areaField_, nmaxField_}, optionList_);
    // Up, Down, PageUp and PageDown in either field walk the options without leaving it. The
    // guide watches the same fields; Qt runs the filter installed last first, so this one takes
    // those four keys before the guide sees them, which the guide leaves alone in any order.
    areaField_->installEventFilter(this);
    nmaxField_->installEventFilter(this);

    areaField_->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == areaField_ || watched == nmaxField_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && optionList_->moveSelection(key->key())) return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::focusNextPrevChild(bool next) {
    if (!QWidget::focusNextPrevChild(next)) return false;
    // Only now has Qt told a screen reader where the focus went.
    screenReader_->tabMovedFocus();
    return true;
}

void MainWindow::onLoad() { providedAreaBox_->clear(); }

void MainWindow::focusAndSelectAll(ReturnField field) {
    screenReader_->focusWhole(fieldFor(field));
}

QLineEdit* MainWindow::fieldFor(ReturnField field) const {
    return field == ReturnField::Area ? areaField_ : nmaxField_;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // OK is the default button; a button that holds the focus presses itself instead.
        auto* focusedButton = qobject_cast<QPushButton*>(focusWidget());
        (focusedButton ? focusedButton : okButton_)->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        cancelButton_->click();  // Cancel is the cancel button
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::onOkClicked() {
    const QByteArray nmax = nmaxField_->text().toUtf8();
    const QByteArray area = areaField_->text().toUtf8();
    const engine::SearchOutcome outcome =
        engine::SearchOptions(ByteView(nmax), ByteView(area), RegionalNumberSettings());

    if (outcome.kind == engine::SearchKind::BadNmax) {
        emit messageRequested(Message::BadNmax);
        return;
    }
    optionList_->clear();
    if (outcome.kind == engine::SearchKind::BadArea) {
        emit messageRequested(Message::BadArea);
        return;
    }
    areaField_->setText(ToQString(outcome.roundedAreaText));
    if (outcome.kind == engine::SearchKind::NoOption) {
        emit messageRequested(Message::NoOption);
        return;
    }

    optionList_->showOptions(outcome.entries, outcome.area);
    // Nothing is drawn while the handler runs, so writing the count once shows exactly what
    // counting up entry by entry would.
    statusBox_->showText(text::OptionCountText(optionList_->count()));
    // The count is what the search answers: a screen reader reads it while the keyboard focus
    // stays in the field.
    screenReader_->readNow(statusBox_);
}

void MainWindow::onResetClicked() {
    optionList_->clear();
    focusAndSelectAll(ReturnField::Area);
    statusBox_->showText(text::kWaitingForInput);
    providedAreaBox_->clear();
}

void MainWindow::onCancelClicked() { emit exitRequested(); }

void MainWindow::onAboutClicked() { emit aboutRequested(); }

void MainWindow::onOptionSelected() {
    const QList<QListWidgetItem*> selected = optionList_->selectedItems();
    // Clearing or refilling the list can report a selection change with nothing selected.
    if (selected.isEmpty()) return;
    const QByteArray entry = selected.front()->text().toUtf8();
    const std::optional<std::string> shown =
        engine::OptionEntryAreaText(ByteView(entry), RegionalNumberSettings());
    if (shown) providedAreaBox_->showText(ToQString(*shown));
}

}  // namespace vesmarot::ui
