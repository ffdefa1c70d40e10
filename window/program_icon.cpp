#include "window/program_icon.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace bithydraulics {
namespace {

// An image kept as raw RGBA pixels: shown without an image decoder, whose plugins the GUI library
// would look through first, at a cost the program's start would feel.
QPixmap rawPixmap(const QString& resource, int size) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray pixels = file.readAll();
    if (pixels.size() != qsizetype{size} * size * 4) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4,
                       QImage::Format_RGBA8888);
    return QPixmap::fromImage(image.copy());
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32}) {
        icon.addPixmap(rawPixmap(QStringLiteral(":/icons/bit-hydraulics-%1.rgba").arg(size), size));
    }
    return icon;
}

}  // namespace bithydraulics
