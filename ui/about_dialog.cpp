#include "ui/about_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/palette_tone.h"
#include "ui/placement.h"
#include "ui/text_room.h"
#include "ui/texts.h"
#include "ui/twips.h"

namespace vesmarot::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect rect) {
    auto* label = Place(new QLabel(text, parent), name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
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
        MakeLabel(this, "lblMota", text::kDescriptionHeading, TwipsRect(105, 915, 5565, 960));
    noteLabel_ = MakeLabel(this, "lblChuy", text::kNoteHeading, TwipsRect(105, 2625, 3870, 720));
    titleLabel_ =
        MakeLabel(this, "lblTitle", text::kAboutDesignedTitle, TwipsRect(105, 210, 5565, 270));
    versionLabel_ =
        MakeLabel(this, "lblVersion", text::kVersionLabel, TwipsRect(105, 570, 5565, 225));
    authorLabel_ = MakeLabel(this, "Label1", text::kAuthorLine, TwipsRect(105, 1995, 5580, 330));
    colourLabels();

    okButton_->setFocus(Qt::OtherFocusReason);
    connect(okButton_, &QPushButton::clicked, this, &AboutDialog::onOkClicked);
}

void AboutDialog::onLoad() {
    titleLabel_->setText(text::kAboutProgramTitle);
    descriptionLabel_->setText(text::HeadedText(text::kDescriptionHeading, text::kDescriptionBody));
    noteLabel_->setText(text::HeadedText(text::kNoteHeading, text::kNoteBody));
    for (QLabel* label : {titleLabel_, descriptionLabel_, noteLabel_}) LetTextRunOn(label);
}

// The title, description and note are black on the light dialog they were designed for. On a
// dark or dark contrast palette black would vanish, so there they take the palette's text colour.
void AboutDialog::colourLabels() {
    const QColor text = IsLightPalette(palette()) ? QColor(Qt::black)
                                                  : palette().color(QPalette::WindowText);
    for (QLabel* label : {titleLabel_, descriptionLabel_, noteLabel_}) {
        QPalette labelPalette = label->palette();
        if (labelPalette.color(QPalette::WindowText) == text) continue;
        labelPalette.setColor(QPalette::WindowText, text);
        label->setPalette(labelPalette);
    }
}

void AboutDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) colourLabels();
}

void AboutDialog::reject() { onOkClicked(); }

void AboutDialog::onOkClicked() { emit dismissed(); }

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // An etched separator between the author line and the note: a groove with its lit edge just
    // below, grey and white on a light dialog. On a dark one white would be a bright stripe: the
    // groove takes the palette's shadow and the edge a third of the way from the window's colour
    // to the palette's light, so it stays an etched line.
    const bool light = IsLightPalette(palette());
    const QColor window = palette().color(QPalette::Window);
    const QColor lit = palette().color(QPalette::Light);
    const QColor edge((2 * window.red() + lit.red()) / 3, (2 * window.green() + lit.green()) / 3,
                      (2 * window.blue() + lit.blue()) / 3);
    QPainter painter(this);
    painter.setPen(QPen(light ? QColor(128, 128, 128) : palette().color(QPalette::Shadow), 1));
    painter.drawLine(QPoint(Twips(90), Twips(2445)), QPoint(Twips(5654), Twips(2445)));
    painter.setPen(QPen(light ? QColor(Qt::white) : edge, 2));
    painter.drawLine(QPoint(Twips(105), Twips(2460)), QPoint(Twips(5654), Twips(2460)));
}

}  // namespace vesmarot::ui
