#pragma once
// Our own small door to libjpeg: the sheet's and the about window's artwork
// is stored as JPEG, and we decode it ourselves rather than through Qt's
// image plugins, so a damaged picture is reported instead of drawn grey.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>
#include <string>

namespace halvane {

// A JPEG that libjpeg could not decode, or decoded only with a warning
// (a truncated or corrupt file). The text is libjpeg's own message.
class EJpegError : public std::runtime_error {
public:
    explicit EJpegError(const std::string& message) : std::runtime_error(message) {}
};

// Decodes a whole JPEG held in memory into an image of Format_RGB888
// (grayscale pictures come out as RGB too). Throws EJpegError on any error
// or warning; never returns a partly decoded picture.
QImage DecodeJpeg(const QByteArray& data);

// Reads a JPEG from a Qt resource path such as ":/artwork/imgAngel.jpg" and
// decodes it. Throws EJpegError when the resource is missing or undecodable.
QImage LoadJpegResource(const QString& path);

}  // namespace halvane
