#include "ui/program_icon.h"

#include <QPainter>
#include <QSvgRenderer>

namespace vesmarot::ui {
namespace {

QSvgRenderer& Renderer() {
    static QSvgRenderer renderer(QStringLiteral(":/vesmarot/vesmarot.svg"));
    return renderer;
}

QPixmap Render(int pixels) {
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Renderer().render(&painter);
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon built;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) built.addPixmap(Render(size));
        return built;
    }();
    return icon;
}

QPixmap ProgramPixmap(int size, qreal devicePixelRatio) {
    QPixmap pixmap = Render(qRound(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace vesmarot::ui
