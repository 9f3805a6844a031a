#include "app/shell.h"

#include <QApplication>
#include <QWindow>

#include "app/centring.h"
#include "ui/about_dialog.h"
#include "ui/accessibility/accessible_factory.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"

namespace vesmarot::app {
namespace {

// Shows a window, or brings it to the front if it is shown already, and makes it active.
void ShowActive(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

Shell::Shell(std::function<void()> endProgram)
    : endProgram_(endProgram ? std::move(endProgram) : [] { QApplication::quit(); }),
      mainWindow_([this] { return loadMainWindow(); }),
      about_([this] { return loadAbout(); }),
      badAreaMessage_([this] { return loadMessage(ui::Message::BadArea); }),
      badNmaxMessage_([this] { return loadMessage(ui::Message::BadNmax); }),
      noOptionMessage_([this] { return loadMessage(ui::Message::NoOption); }) {
    ui::InstallAccessibleFactory();
}

Shell::~Shell() = default;

void Shell::start() { ShowActive(mainWindow()); }

ui::MainWindow* Shell::mainWindow() { return mainWindow_.get(); }

template <typename Window>
Window* Shell::finishLoading(Window* window) {
    // Centred and loaded before it is ever shown, so no designed text or position flashes.
    CentreOnScreen(window, frameGuess());
    window->onLoad();
    return window;
}

ui::MainWindow* Shell::loadMainWindow() {
    auto* window = new ui::MainWindow;
    connect(window, &ui::MainWindow::messageRequested, this,
            [this](ui::Message message) { openDialog(instanceFor(message).get()); });
    connect(window, &ui::MainWindow::aboutRequested, this, [this] { openDialog(about_.get()); });
    connect(window, &ui::MainWindow::exitRequested, this, [this] { endProgram_(); });
    return finishLoading(window);
}

ui::AboutDialog* Shell::loadAbout() {
    auto* dialog = new ui::AboutDialog(mainWindow());
    connect(dialog, &ui::AboutDialog::dismissed, this, [this] {
        about_.unload();
        // About moves no focus: the main window gets back the focus it had.
        returnToMainWindow();
    });
    return finishLoading(dialog);
}

ui::MessageDialog* Shell::loadMessage(ui::Message message) {
    auto* dialog = new ui::MessageDialog(message, mainWindow());
    connect(dialog, &ui::MessageDialog::dismissed, this, [this, message, dialog] {
        const ui::ReturnField field = dialog->returnField();
        instanceFor(message).unload();
        returnToMainWindow();
        mainWindow()->focusAndSelectAll(field);
    });
    return finishLoading(dialog);
}

WindowInstance<ui::MessageDialog>& Shell::instanceFor(ui::Message message) {
    switch (message) {
        case ui::Message::BadArea:
            return badAreaMessage_;
        case ui::Message::BadNmax:
            return badNmaxMessage_;
        case ui::Message::NoOption:
            break;
    }
    return noOptionMessage_;
}

void Shell::openDialog(QDialog* dialog) {
    // Application modality blocks the main window's mouse, keys and close box while leaving it
    // exactly as it was: disabling it instead would grey it and drop its focus and selection.
    dialog->setWindowModality(Qt::ApplicationModal);
    ShowActive(dialog);
}

void Shell::returnToMainWindow() { ShowActive(mainWindow()); }

QMargins Shell::frameGuess() const {
    // Dialogs get the frame the window manager gave the main window; before that, none is known.
    const ui::MainWindow* main = mainWindow_.loaded();
    const QWindow* handle = main ? main->windowHandle() : nullptr;
    return handle ? handle->frameMargins() : QMargins();
}

}  // namespace vesmarot::app
