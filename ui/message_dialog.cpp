#include "ui/message_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/accessibility/accessible_factory.h"
#include "ui/placement.h"
#include "ui/text_room.h"
#include "ui/texts.h"
#include "ui/twips.h"

namespace vesmarot::ui {
namespace {

struct MessageDesign {
    const char* objectName;
    const QString& title;
    const QString& spokenTitle;
    const QString& text;
    ReturnField returnField;
    int clientHeight;  // twips
    int labelHeight;
    int buttonTop;
};

const MessageDesign& DesignOf(Message message) {
    static const MessageDesign kBadArea{"frmLoi",
                                        text::kErrorTitle,
                                        text::kErrorTitleSpoken,
                                        text::kBadAreaMessage,
                                        ReturnField::Area,
                                        1815,
                                        960,
                                        1260};
    static const MessageDesign kBadNmax{"frmLoiNmax",
                                        text::kErrorTitle,
                                        text::kErrorTitleSpoken,
                                        text::kBadNmaxMessage,
                                        ReturnField::Nmax,
                                        1815,
                                        960,
                                        1260};
    static const MessageDesign kNoOption{"frmKhongthayPA",
                                         text::kNoOptionTitle,
                                         text::kNoOptionTitleSpoken,
                                         text::kNoOptionMessage,
                                         ReturnField::Nmax,
                                         1455,
                                         645,
                                         1050};
    switch (message) {
        case Message::BadArea:
            return kBadArea;
        case Message::BadNmax:
            return kBadNmax;
        case Message::NoOption:
            break;
    }
    return kNoOption;
}

}  // namespace

MessageDialog::MessageDialog(Message message, QWidget* parent)
    : QDialog(parent, FixedFrame(Qt::Dialog)), message_(message) {
    // The label carries the message, so the alert itself adds nothing to be read twice.
    SetWindowRole(this, QAccessible::AlertMessage);
    const MessageDesign& design = DesignOf(message);
    DesignWindow(this, design.objectName, design.title, design.spokenTitle,
                 TwipsSize(3240, design.clientHeight));

    messageLabel_ = Place(new QLabel(design.text, this), "Label1",
                          TwipsRect(105, 210, 2955, design.labelHeight));
    messageLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    messageLabel_->setWordWrap(true);
    LetTextRunOn(messageLabel_);

    okButton_ = Place(new QPushButton(text::kOk, this), "cmdOK",
                      TwipsRect(945, design.buttonTop, 1275, 330));
    okButton_->setDefault(true);
    okButton_->setFocus(Qt::OtherFocusReason);
    connect(okButton_, &QPushButton::clicked, this, &MessageDialog::onOkClicked);
}

ReturnField MessageDialog::returnField() const { return DesignOf(message_).returnField; }

void MessageDialog::onOkClicked() { emit dismissed(); }

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // Esc must not slip past the message: only OK (or the close box) leaves it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::closeEvent(QCloseEvent* event) {
    // The shell takes the dialog down on dismissed(); the close itself does nothing more.
    event->ignore();
    onOkClicked();
}

}  // namespace vesmarot::ui
