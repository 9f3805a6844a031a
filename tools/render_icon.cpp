// Build-time tool: renders the program's vector icon to the PNG sizes of a desktop icon theme and
// to a multi-size Windows .ico, so that every bitmap comes from the one vector source.
//
//   render_icon <icon.svg> <output folder>
//
// writes <folder>/hicolor/<n>x<n>/apps/vesmarot.png for each size, <folder>/vesmarot.ico, and
// <folder>/raw/<n>.argb32: the 16, 32, 48 and 96 px images as premultiplied 32-bit pixels, which
// the program shows without decoding anything at start-up, and <folder>/web/icon-<n>.png, the
// sizes a browser wants for the web page and its installed app.

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kRawSizes[] = {16, 32, 48, 96};
constexpr int kWebSizes[] = {32, 180, 192, 512};

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

QByteArray RenderPng(QSvgRenderer& renderer, int size) {
    const QImage image = Render(renderer, size);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

template <typename T>
void Append(QByteArray& out, T value) {
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An .ico whose entries are PNG images, as Windows has read them since Vista.
QByteArray IcoFile(const QList<QPair<int, QByteArray>>& images) {
    QByteArray ico;
    Append<quint16>(ico, 0);  // reserved
    Append<quint16>(ico, 1);  // icon
    Append<quint16>(ico, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const auto& [size, png] : images) {
        Append<quint8>(ico, size >= 256 ? 0 : static_cast<quint8>(size));  // 0 means 256
        Append<quint8>(ico, size >= 256 ? 0 : static_cast<quint8>(size));
        Append<quint8>(ico, 0);    // no palette
        Append<quint8>(ico, 0);    // reserved
        Append<quint16>(ico, 1);   // colour planes
        Append<quint16>(ico, 32);  // bits per pixel
        Append<quint32>(ico, static_cast<quint32>(png.size()));
        Append<quint32>(ico, offset);
        offset += static_cast<quint32>(png.size());
    }
    for (const auto& image : images) ico.append(image.second);
    return ico;
}

bool Write(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <output folder>\n");
        return 2;
    }
    // Rendering needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QList<QPair<int, QByteArray>> images;
    for (const int size : kSizes) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QByteArray png = RenderPng(renderer, size);
        if (!out.mkpath(dir) || !Write(out.filePath(dir + QStringLiteral("/vesmarot.png")), png)) {
            std::fprintf(stderr, "render_icon: cannot write the %d px icon\n", size);
            return 1;
        }
        images.append({size, png});
    }
    for (const int size : kRawSizes) {
        const QImage image = Render(renderer, size);
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<qsizetype>(image.sizeInBytes()));
        if (!out.mkpath(QStringLiteral("raw")) ||
            !Write(out.filePath(QStringLiteral("raw/%1.argb32").arg(size)), pixels)) {
            std::fprintf(stderr, "render_icon: cannot write the raw %d px icon\n", size);
            return 1;
        }
    }
    for (const int size : kWebSizes) {
        if (!out.mkpath(QStringLiteral("web")) ||
            !Write(out.filePath(QStringLiteral("web/icon-%1.png").arg(size)),
                   RenderPng(renderer, size))) {
            std::fprintf(stderr, "render_icon: cannot write the %d px web icon\n", size);
            return 1;
        }
    }
    if (!Write(out.filePath(QStringLiteral("vesmarot.ico")), IcoFile(images))) {
        std::fprintf(stderr, "render_icon: cannot write vesmarot.ico\n");
        return 1;
    }
    return 0;
}
