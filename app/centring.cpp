#include "app/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace vesmarot::app {

void CentreOnScreen(QWidget* window, const QMargins& frameGuess) {
    QMargins frame = frameGuess;
    if (window->windowHandle() && !window->windowHandle()->frameMargins().isNull()) {
        frame = window->windowHandle()->frameMargins();
    }
    const QSize outer = window->size().grownBy(frame);
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect whole = screen->geometry();

    const float left = static_cast<float>(whole.width() - outer.width()) / 2.0f;
    const float top = static_cast<float>(whole.height() - outer.height()) / 2.0f;
    // move() places the outer frame's corner.
    window->move(whole.x() + static_cast<int>(std::floor(left)),
                 whole.y() + static_cast<int>(std::floor(top)));
}

}  // namespace vesmarot::app
