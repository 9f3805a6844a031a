#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vesmarot::ui {

// The About dialog (objectName "frmAbout"): title, version, description, author and a note. OK,
// Enter, Esc and the close box all leave it the same way.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Runs once the dialog is created and centred, before it is first shown: sets the texts.
    void onLoad();

  signals:
    void dismissed();

  public slots:
    // Esc and the close box arrive here.
    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void onOkClicked();
    void colourLabels();

    QLabel* titleLabel_;
    QLabel* versionLabel_;
    QLabel* descriptionLabel_;
    QLabel* authorLabel_;
    QLabel* noteLabel_;
    QPushButton* okButton_;
};

}  // namespace vesmarot::ui
