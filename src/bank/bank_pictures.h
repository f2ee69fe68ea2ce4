#pragma once
// The pictures of a bank file: files in the bank's own folder, named in the
// bank relative to it. A name never reaches outside that folder, a file is
// read only up to a size cap, and a picture must be a JPEG, PNG, GIF or BMP
// (told by its content, not its name) that decodes within the size caps.
// Other formats are refused: an SVG can name other files and take seconds to
// draw, and a container such as ICO can declare a small size around a huge
// image.

#include "platform/picture.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <variant>

namespace vorn {

constexpr qint64 kMaxPictureFileBytes = 2 * 1024 * 1024;
constexpr int kMaxPictureSide = 4000; // pixels, checked before and after decoding

// The picture of a name, or why there is none (a Bulgarian sentence).
using PictureResult = std::variant<Picture, QString>;
using PictureReader = std::function<PictureResult(const QString& name)>;

// Reads pictures from one folder; the same name gives the same shared picture.
class PictureFolder {
public:
    explicit PictureFolder(const QString& folder);
    PictureResult read(const QString& name);

private:
    QString folder_; // canonical, without a trailing slash
    std::map<QString, Picture> read_;
};

// The picture decoded, within the caps and with memory bounded while it is,
// or why not. The window draws only what this gives.
std::variant<QImage, QString> DecodePicture(const QByteArray& encoded);
// The size in pixels of encoded picture bytes once decoded, or why they do
// not decode.
std::variant<QSize, QString> DecodedSize(const QByteArray& encoded);
// The size the picture's header declares, read without decoding it; invalid
// for an unknown format.
QSize DeclaredSize(const QByteArray& encoded);

// The file extension that suits the picture's format ("jpg", "png", ...).
QString PictureExtension(const QByteArray& encoded);

} // namespace vorn
