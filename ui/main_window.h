#pragma once

#include <QWidget>

#include "ui/message_kind.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vesmarot::ui {

class InputField;

// frmVesmarot: the two inputs, the option list, the status line and the area of the selected
// option. It reports what needs another window through signals; the shell opens them.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Runs once the window is created and centred, before it is first shown.
    void Form_Load();

    // Gives `field` the focus with its whole text selected, as after a message dialog.
    void FocusAndSelectAll(ReturnField field);

  signals:
    void messageRequested(vesmarot::ui::Message message);
    void aboutRequested();
    void exitRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cdmOK_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmdAbout_Click();
    void lstPA_Click();

    QLineEdit* FieldFor(ReturnField field) const;

    QLabel* Label1_;
    InputField* txtDientich_;
    InputField* txtNmax_;
    QPushButton* cdmOK_;
    QPushButton* cmdReset_;
    QPushButton* cmdExit_;
    QPushButton* cmdAbout_;
    QLabel* Label2_;
    QListWidget* lstPA_;
    QLineEdit* txtStatus_;
    QLabel* Picture1_;
    QLineEdit* txtF_;
    QLabel* lblNmax_;
};

}  // namespace vesmarot::ui
