#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace vesmarot::ui {

// What a screen reader reads of a one-line text box, written on Qt's public interfaces so that
// two things come out right: the text is one run of (default) attributes from its first
// character to its last, so a reader that builds the line from runs speaks all of it, and the
// description is only what was set as such, never the plain-ASCII tooltip.
class LineEditInterface : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
  public:
    explicit LineEditInterface(QLineEdit* edit);

    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void addSelection(int startOffset, int endOffset) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    int cursorPosition() const override;
    QRect characterRect(int offset) const override;
    int selectionCount() const override;
    int offsetAtPoint(const QPoint& point) const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    void removeSelection(int selectionIndex) override;
    void setCursorPosition(int position) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int characterCount() const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

  private:
    QLineEdit* edit() const;
    // The text as a reader may have it: empty unless the box shows its characters.
    QString readableText() const;
    // `read` at `offset` (-2: the caret) where the box shows its characters; none elsewhere.
    template <typename Read>
    QString shownText(int offset, int* startOffset, int* endOffset, Read read) const;
};

}  // namespace vesmarot::ui
