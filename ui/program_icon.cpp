#include "ui/program_icon.h"

#include <QImage>
#include <QResource>

namespace vesmarot::ui {
namespace {

// The window icon sizes, rendered from the vector source at build time and stored as plain
// premultiplied pixels. Decoding PNGs would load Qt's image plugins at start-up, which costs
// more than the whole main window; launchers take larger sizes from the installed icon theme.
constexpr int kWindowSizes[] = {16, 32, 48};
// Sizes for the picture in the main window, at 1x and 2x pixel ratios.
constexpr int kPictureSizes[] = {48, 96};

QImage Pixels(int size) {
    const QResource resource(QStringLiteral(":/vesmarot/raw/%1.argb32").arg(size));
    const QByteArray bytes = resource.uncompressedData();
    if (bytes.size() != qsizetype(size) * size * 4) return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), size, size, size * 4,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

}  // namespace

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon built;
        for (const int size : kWindowSizes) built.addPixmap(QPixmap::fromImage(Pixels(size)));
        return built;
    }();
    return icon;
}

QPixmap ProgramPixmap(int size, qreal devicePixelRatio) {
    const int pixels = qRound(size * devicePixelRatio);
    const int stored = pixels <= kPictureSizes[0] ? kPictureSizes[0] : kPictureSizes[1];
    QImage image = Pixels(stored);
    if (image.width() != pixels) {
        image = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

}  // namespace vesmarot::ui
