#pragma once

#include <QDialog>

#include "ui/message_kind.h"

class QLabel;
class QPushButton;

namespace vesmarot::ui {

// A message dialog: one fixed message and OK. Enter presses OK, Esc does nothing, and the close
// box counts as OK, so leaving always leads back to the field to correct.
class MessageDialog : public QDialog {
    Q_OBJECT
  public:
    explicit MessageDialog(Message message, QWidget* parent = nullptr);

    // Load steps after centring: a message dialog has none of its own.
    void onLoad() {}

    // The main-window field this message sends the user back to.
    ReturnField returnField() const;

  signals:
    // OK was pressed, by mouse or Enter, or the dialog was closed.
    void dismissed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onOkClicked();

    Message message_;
    QLabel* messageLabel_;
    QPushButton* okButton_;
};

}  // namespace vesmarot::ui
