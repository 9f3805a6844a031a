#include "ui/text_room.h"

#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace vesmarot::ui {
namespace {

// The design's boxes have a sunken frame of 2 pixels a side and draw their text right inside it.
constexpr int kDesignedFrame = 2;

// QLineEdit keeps this much between its contents rect and the text on either side, whatever the
// style.
constexpr int kBoxMarginX = 2;

// The width a text takes in `font` with the ink that overhangs its advance, and a pixel for the
// caret that QLineEdit keeps after it.
qreal TextWidth(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    return qMax(metrics.horizontalAdvance(text), ink.right()) - qMin<qreal>(0, ink.left()) + 1;
}

void ApplyDesignedTextRoom(QLineEdit* box) {
    const QRect outer = box->rect();
    const QRect contents = StyleContentsRect(box);
    // Only padding beyond the designed frame is taken back; a style that pads less keeps its own.
    const auto back = [](int styleInset) { return qMin(0, kDesignedFrame - styleInset); };
    const QMargins margins(back(contents.left() - outer.left()), back(contents.top() - outer.top()),
                           back(outer.right() - contents.right()),
                           back(outer.bottom() - contents.bottom()));
    if (box->textMargins() != margins) box->setTextMargins(margins);
}

class DesignedTextRoom : public QObject {
  public:
    explicit DesignedTextRoom(QLineEdit* box) : QObject(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Polish comes after the style has polished the box, so what it set is seen here.
        if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange)
            ApplyDesignedTextRoom(static_cast<QLineEdit*>(watched));
        return false;
    }
};

}  // namespace

QRect StyleContentsRect(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.state |= QStyle::State_Sunken;
    if (box->isReadOnly()) option.state |= QStyle::State_ReadOnly;
    return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
}

void KeepDesignedTextRoom(QLineEdit* box) {
    ApplyDesignedTextRoom(box);
    box->installEventFilter(new DesignedTextRoom(box));
}

OutputBox::OutputBox(QWidget* parent) : QLineEdit(parent) {
    takeWindowColour();
    KeepDesignedTextRoom(this);
}

void OutputBox::showText(const QString& text) {
    setText(text);
    fitText();
}

void OutputBox::takeWindowColour() {
    QPalette palette = this->palette();
    if (palette.color(QPalette::Base) == palette.color(QPalette::Window)) return;
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    setPalette(palette);
}

bool OutputBox::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    // A desktop that turns dark or to a contrast theme while the program runs changes the window's
    // colour; the box follows it.
    if (event->type() == QEvent::PaletteChange) takeWindowColour();
    // Once polished by a style, the room may differ from the one the text was fitted to.
    if (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange) fitText();
    return handled;
}

void OutputBox::fitText() {
    QFont fitted = font();
    fitted.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    const int room =
        StyleContentsRect(this).marginsRemoved(textMargins()).width() - 2 * kBoxMarginX;
    const QString shown = text();
    // Every letter gives up the same sliver, a twentieth of a pixel at a time, and never more
    // than a pixel: tighter still would be harder to read than a cut text.
    for (qreal spacing = 0; spacing > -1 && TextWidth(fitted, shown) > room;) {
        spacing -= 0.05;
        fitted.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    if (font() != fitted) setFont(fitted);
    // A box that cannot show all is read from its start, as the user reads it, not its end.
    setCursorPosition(0);
}

void LetTextRunOn(QLabel* label) {
    if (label->wordWrap()) {
        const int needed =
            label->fontMetrics()
                .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap,
                              label->text())
                .height();
        const int margins = label->height() - label->contentsRect().height();
        if (needed + margins > label->height()) label->resize(label->width(), needed + margins);
    } else if (label->sizeHint().width() > label->width()) {
        label->resize(label->sizeHint().width(), label->height());
    }
}

}  // namespace vesmarot::ui
