#include "ui/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#ifndef __EMSCRIPTEN__
#include <QSvgRenderer>
#endif
#include <cstring>
#include <map>
#include <memory>
#include <utility>

namespace ui {

namespace {

#ifndef __EMSCRIPTEN__
class SvgEngine : public QIconEngine {
public:
    explicit SvgEngine(QString source) : source_(std::move(source)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        renderer().render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // Qt asks for the size in device pixels: drawn there, never enlarged.
        auto& cached = pixmaps_[{size.width(), size.height()}];
        if (cached.isNull() && !size.isEmpty()) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer().render(&painter, QRectF(QPointF(), size));
            painter.end();
            cached = QPixmap::fromImage(image);
        }
        return cached;
    }

    // A window's icon is drawn at each of these sizes before the window shows
    // on X11, and sent whole to the server: 256 pixels alone would be three
    // quarters of that work, a quarter of the main menu's start and a quarter
    // megabyte held for each window. A window manager scales 128 up.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    }

    QIconEngine* clone() const override { return new SvgEngine(source_); }
    QString key() const override { return QStringLiteral("tibalou-svg"); }

private:
    QSvgRenderer& renderer()
    {
        if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(source_);
        return *renderer_;
    }

    QString source_;
    std::unique_ptr<QSvgRenderer> renderer_;
    std::map<std::pair<int, int>, QPixmap> pixmaps_;
};
#endif

QIcon made_picture(const QString& source)
{
#ifndef __EMSCRIPTEN__
    if (!QFileInfo(source).isDir()) return QIcon(new SvgEngine(source));
#endif
    QIcon drawn;
    // Listed whole: a name filter would bring up the regular expression engine.
    // PNG files are the browser's: what it downloads is smaller than raw.
    for (const QFileInfo& file : QDir(source).entryInfoList(QDir::Files))
        drawn.addPixmap(file.suffix() == QLatin1String("png") ? QPixmap(file.filePath()) : read_raw(file.filePath()));
    return drawn;
}

QHash<const char*, QIcon>& made()
{
    static QHash<const char*, QIcon> pictures;
    return pictures;
}

}  // namespace

QIcon picture(const char* source)
{
    auto found = made().find(source);
    if (found == made().end()) found = made().insert(source, made_picture(QString::fromUtf8(source)));
    return *found;
}

QPixmap read_raw(const QString& path)
{
    // Stored uncompressed, the bytes are the program's own, shared, not copied.
    auto bytes = std::make_unique<QByteArray>(QResource(path).uncompressedData());
    quint32 header[3] = {0, 0, 0};  // width, height, format
    if (bytes->size() >= qsizetype(sizeof header)) std::memcpy(header, bytes->constData(), sizeof header);
    const auto format = QImage::Format(header[2]);
    const qsizetype pixels = qsizetype(header[0]) * header[1] * 4;
    if (header[0] == 0 || header[1] == 0 || bytes->size() != qsizetype(sizeof header) + pixels ||
        (format != QImage::Format_ARGB32 && format != QImage::Format_ARGB32_Premultiplied))
        return {};
    // Pixels are read as 32-bit words.
    if (reinterpret_cast<quintptr>(bytes->constData() + sizeof header) % alignof(quint32)) bytes->detach();
    const auto* data = reinterpret_cast<const uchar*>(bytes->constData()) + sizeof header;
    // The image owns the bytes from here on, and lets them go with its last copy.
    const QImage image(data, int(header[0]), int(header[1]), header[0] * 4, format,
                       [](void* owned) { delete static_cast<QByteArray*>(owned); }, bytes.release());
    // Kept in its own format: a conversion would also start Qt's thread pool.
    return QPixmap::fromImage(image, Qt::NoFormatConversion);
}

void forget_pictures()
{
    made().clear();
}

}  // namespace ui
