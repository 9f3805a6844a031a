#pragma once

#include <QMargins>
#include <QObject>
#include <functional>

#include "app/window_instance.h"
#include "ui/message_kind.h"

class QDialog;

namespace vesmarot::ui {
class AboutDialog;
class MainWindow;
class MessageDialog;
}  // namespace vesmarot::ui

namespace vesmarot::app {

// Owns the one instance of each window and wires them: the main window asks for a dialog, the
// shell opens it with the main window blocked, and leads the user back when it is dismissed.
class Shell : public QObject {
    Q_OBJECT
  public:
    // `endProgram` runs when the user presses Cancel or Esc; it quits the application.
    explicit Shell(std::function<void()> endProgram = {});
    ~Shell() override;

    // Loads and shows the main window.
    void start();

    ui::MainWindow* mainWindow();

  private:
    template <typename Window>
    Window* finishLoading(Window* window);
    ui::MainWindow* loadMainWindow();
    ui::AboutDialog* loadAbout();
    ui::MessageDialog* loadMessage(ui::Message message);
    WindowInstance<ui::MessageDialog>& instanceFor(ui::Message message);

    void openDialog(QDialog* dialog);
    void returnToMainWindow();
    QMargins frameGuess() const;

    std::function<void()> endProgram_;
    // The main window comes first so that it is destroyed last, after the dialogs it parents.
    WindowInstance<ui::MainWindow> mainWindow_;
    WindowInstance<ui::AboutDialog> about_;
    WindowInstance<ui::MessageDialog> badAreaMessage_;
    WindowInstance<ui::MessageDialog> badNmaxMessage_;
    WindowInstance<ui::MessageDialog> noOptionMessage_;
};

}  // namespace vesmarot::app
