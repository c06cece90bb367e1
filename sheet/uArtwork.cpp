#include "uArtwork.h"

#include "uJpegImage.h"

#include <stdexcept>

namespace halvane {

QImage LoadArtwork(const QString& path) {
    if (path.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive)) return LoadJpegResource(path);
    QImage image(path);
    if (image.isNull()) throw std::runtime_error("cannot read picture " + path.toStdString());
    return image;
}

}  // namespace halvane
