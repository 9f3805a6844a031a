#pragma once

#include <QStyledItemDelegate>

namespace vesmarot::ui {

// "2φ16+1φ18" for the entry "2f16+1f18": the diameter sign engineers read on drawings.
QString ShownEntry(const QString& entry);

// Shows each entry as ShownEntry writes it. Only the display changes; the item keeps the letter
// f that the area calculation reads back.
class PhiDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale& locale) const override;
};

}  // namespace vesmarot::ui
