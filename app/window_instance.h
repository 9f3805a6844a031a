#pragma once

#include <QPointer>
#include <functional>

namespace vesmarot::app {

// The single instance of one window. Any use loads the window if it is not loaded; unloading
// destroys it with everything changed in it, and the next use loads it afresh from its design.
template <typename Window>
class WindowInstance {
  public:
    // `load` creates the window in its designed state and runs its load steps.
    explicit WindowInstance(std::function<Window*()> load) : load_(std::move(load)) {}
    ~WindowInstance() { delete window_.data(); }
    WindowInstance(const WindowInstance&) = delete;
    WindowInstance& operator=(const WindowInstance&) = delete;

    Window* get() {
        if (!window_) window_ = load_();
        return window_;
    }

    // The window if it is loaded, without loading it.
    Window* loaded() const { return window_.data(); }

    // Safe from inside one of the window's own handlers: the object goes once they return.
    void unload() {
        if (!window_) return;
        Window* window = window_;
        window_ = nullptr;
        window->hide();
        window->deleteLater();
    }

  private:
    std::function<Window*()> load_;
    QPointer<Window> window_;
};

}  // namespace vesmarot::app
