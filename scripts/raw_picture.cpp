// Converts a picture to the raw form the program paints at start without
// decoding or converting anything: its width, height and QImage format as
// three native 32-bit integers, then its pixels, row after row. Run by the
// build.
//
//   raw_picture SOURCE OUTPUT premultiplied|straight
//
// SOURCE is a file, or one of Qt's own pictures (":/qt-project.org/...").
// Premultiplied ARGB32 is what Qt paints from; straight ARGB32 is what X11
// takes for a window's icon.
#include <QSaveFile>
#include <QImage>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    const QByteArray kind = argc == 4 ? argv[3] : "";
    if (kind != "premultiplied" && kind != "straight") {
        std::fprintf(stderr, "usage: raw_picture SOURCE OUTPUT premultiplied|straight\n");
        return 2;
    }
    const QImage::Format format =
        kind == "premultiplied" ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32;
    // Qt's own pictures are resources of its widgets library: used here, it is
    // loaded with this tool and they are found.
    [[maybe_unused]] const void* volatile widgets = &QWidget::staticMetaObject;
    const QImage image = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(format);
    if (image.isNull()) {
        std::fprintf(stderr, "raw_picture: cannot read %s\n", argv[1]);
        return 1;
    }
    // Written whole or not at all: a broken file would never be made again.
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    const quint32 size[3] = {quint32(image.width()), quint32(image.height()), quint32(format)};
    bool written = output.open(QIODevice::WriteOnly) &&
                   output.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; written && y < image.height(); ++y)
        written = output.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4) ==
                  image.width() * 4;
    if (!written || !output.commit()) {
        std::fprintf(stderr, "raw_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
