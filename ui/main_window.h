#pragma once

#include <QWidget>

#include "ui/message_kind.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vesmarot::ui {

class InputField;
class OptionList;
class OutputBox;
class ScreenReaderGuide;

// The main window (objectName "frmVesmarot"): the two inputs, the option list, the status line
// and the area of the selected option. It reports what needs another window through signals;
// the shell opens them.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // Runs once the window is created and centred, before it is first shown.
    void onLoad();

    // Gives `field` the focus with its whole text selected, as after a message dialog.
    void focusAndSelectAll(ReturnField field);

  signals:
    void messageRequested(vesmarot::ui::Message message);
    void aboutRequested();
    void exitRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onOkClicked();
    void onResetClicked();
    void onCancelClicked();
    void onAboutClicked();
    void onOptionSelected();

    QLineEdit* fieldFor(ReturnField field) const;

    QLabel* areaCaption_;
    InputField* areaField_;
    InputField* nmaxField_;
    QPushButton* okButton_;
    QPushButton* resetButton_;
    QPushButton* cancelButton_;
    QPushButton* aboutButton_;
    QLabel* optionsCaption_;
    OptionList* optionList_;
    OutputBox* statusBox_;
    QLabel* picture_;
    OutputBox* providedAreaBox_;
    QLabel* nmaxCaption_;
    ScreenReaderGuide* screenReader_;
};

}  // namespace vesmarot::ui
