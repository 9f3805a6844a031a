#include "ui/accessibility/line_edit_interface.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace vesmarot::ui {

LineEditInterface::LineEditInterface(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* LineEditInterface::edit() const { return static_cast<QLineEdit*>(widget()); }

QString LineEditInterface::readableText() const {
    return edit()->echoMode() == QLineEdit::Normal ? edit()->text() : QString();
}

QString LineEditInterface::text(QAccessible::Text kind) const {
    switch (kind) {
        case QAccessible::Value:
            if (edit()->echoMode() == QLineEdit::Normal) return edit()->text();
            if (edit()->echoMode() == QLineEdit::NoEcho) return {};
            return QString(edit()->text().size(), QLatin1Char('*'));
        case QAccessible::Description:
            return edit()->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
    }
}

void LineEditInterface::setText(QAccessible::Text kind, const QString& text) {
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    if (edit()->isReadOnly()) return;
    QString candidate = text;
    int position = 0;
    if (edit()->validator() &&
        edit()->validator()->validate(candidate, position) != QValidator::Acceptable)
        return;
    edit()->setText(candidate);
}

QAccessible::State LineEditInterface::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = edit()->isReadOnly();
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditInterface::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditInterface::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

QString LineEditInterface::attributes(int, int* startOffset, int* endOffset) const {
    // A line edit has no formatting: the whole text is one run.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

int LineEditInterface::cursorPosition() const { return edit()->cursorPosition(); }

QRect LineEditInterface::characterRect(int offset) const {
    const QString shown = readableText();
    if (offset < 0 || offset >= shown.size()) return {};
    // Where the text is drawn: the box's contents, less its margins, aligned as the box says.
    QStyleOptionFrame option;
    option.initFrom(edit());
    option.lineWidth = edit()->hasFrame() ? edit()->style()->pixelMetric(
                                                QStyle::PM_DefaultFrameWidth, &option, edit())
                                          : 0;
    const QRect contents =
        edit()->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit()) -
        edit()->textMargins();
    const QFontMetrics metrics(edit()->font());
    const int textWidth = metrics.horizontalAdvance(shown);
    int left = contents.left();
    const Qt::Alignment horizontal =
        QStyle::visualAlignment(edit()->layoutDirection(), edit()->alignment());
    if (horizontal & Qt::AlignHCenter) left += (contents.width() - textWidth) / 2;
    if (horizontal & Qt::AlignRight) left = contents.right() - textWidth;
    const int x = left + metrics.horizontalAdvance(shown.left(offset));
    const int y = contents.top() + (contents.height() - metrics.height()) / 2;
    const QRect local(x, y, metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditInterface::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

int LineEditInterface::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditInterface::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

QString LineEditInterface::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) return {};
    return readableText().mid(startOffset, endOffset - startOffset);
}

template <typename Read>
QString LineEditInterface::shownText(int offset, int* startOffset, int* endOffset,
                                     Read read) const {
    if (edit()->echoMode() != QLineEdit::Normal) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return read(offset == -2 ? cursorPosition() : offset);
}

QString LineEditInterface::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return shownText(offset, startOffset, endOffset, [&](int at) {
        return QAccessibleTextInterface::textBeforeOffset(at, boundaryType, startOffset, endOffset);
    });
}

QString LineEditInterface::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    return shownText(offset, startOffset, endOffset, [&](int at) {
        return QAccessibleTextInterface::textAfterOffset(at, boundaryType, startOffset, endOffset);
    });
}

QString LineEditInterface::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return shownText(offset, startOffset, endOffset, [&](int at) {
        return QAccessibleTextInterface::textAtOffset(at, boundaryType, startOffset, endOffset);
    });
}

void LineEditInterface::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) edit()->deselect();
}

void LineEditInterface::setCursorPosition(int position) { edit()->setCursorPosition(position); }

void LineEditInterface::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditInterface::characterCount() const { return static_cast<int>(edit()->text().size()); }

void LineEditInterface::scrollToSubstring(int startIndex, int endIndex) {
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

// A read-only box is written by the program alone: assistive technology may read it, not edit.
void LineEditInterface::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, QString());
}

void LineEditInterface::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditInterface::replaceText(int startOffset, int endOffset, const QString& text) {
    if (edit()->isReadOnly()) return;
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}

}  // namespace vesmarot::ui
