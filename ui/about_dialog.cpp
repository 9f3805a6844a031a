#include "ui/about_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/placement.h"
#include "ui/texts.h"
#include "ui/twips.h"

namespace vesmarot::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect,
                  bool blackText) {
    auto* label = Place(new QLabel(text, parent), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    if (blackText) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, FixedFrame(Qt::Dialog)) {
    DesignWindow(this, "frmAbout", text::kAboutTitle, text::kAboutTitleSpoken,
                 TwipsSize(5730, 3555));

    // Created in tab order; only the button takes the focus.
    okButton_ = Place(new QPushButton(text::kOk, this), "cmdOK", TwipsRect(4245, 2625, 1260, 345));
    okButton_->setDefault(true);
    descriptionLabel_ =
        MakeLabel(this, "lblMota", text::kDescriptionHeading, TwipsRect(105, 915, 5565, 960), true);
    noteLabel_ =
        MakeLabel(this, "lblChuy", text::kNoteHeading, TwipsRect(105, 2625, 3870, 720), true);
    titleLabel_ = MakeLabel(this, "lblTitle", text::kAboutDesignedTitle,
                            TwipsRect(105, 210, 5565, 270), true);
    versionLabel_ =
        MakeLabel(this, "lblVersion", text::kVersionLabel, TwipsRect(105, 570, 5565, 225), false);
    authorLabel_ =
        MakeLabel(this, "Label1", text::kAuthorLine, TwipsRect(105, 1995, 5580, 330), false);

    okButton_->setFocus(Qt::OtherFocusReason);
    connect(okButton_, &QPushButton::clicked, this, &AboutDialog::onOkClicked);
}

void AboutDialog::onLoad() {
    titleLabel_->setText(text::kAboutProgramTitle);
    descriptionLabel_->setText(text::HeadedText(text::kDescriptionHeading, text::kDescriptionBody));
    noteLabel_->setText(text::HeadedText(text::kNoteHeading, text::kNoteBody));
}

void AboutDialog::reject() { onOkClicked(); }

void AboutDialog::onOkClicked() { emit dismissed(); }

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // An etched separator between the author line and the note: grey, with white just below.
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(QPoint(Twips(90), Twips(2445)), QPoint(Twips(5654), Twips(2445)));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPoint(Twips(105), Twips(2460)), QPoint(Twips(5654), Twips(2460)));
}

}  // namespace vesmarot::ui
