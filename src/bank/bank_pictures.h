#pragma once
// The pictures of a bank file: files in the bank's own folder, named in the
// bank relative to it. A name never reaches outside that folder, a file is
// read only up to a size cap, and a picture must be a JPEG, PNG, GIF or BMP
// (told by its content, not its name) that decodes within the size caps.
// Other formats are refused: an SVG can name other files and take seconds to
// draw, and a container such as ICO can declare a small size around a huge
// image.

#include "bank_memory.h"
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
// A picture is read whole but only its header is checked: it is decoded when
// shown. Pictures are held only within the bank's memory budget; once one is
// refused for it, the rest read as no picture.
class PictureFolder {
public:
    PictureFolder(const QString& folder, BankMemory memory);
    PictureResult read(const QString& name);

private:
    QString folder_; // canonical, without a trailing slash
    BankMemory memory_;
    bool overBudget_ = false;
    std::map<QString, Picture> read_;
};

// The picture of `bytes` once its header is accepted and it fits beside what
// `memory` holds, or why not; a picture over the budget sets `overBudget`.
PictureResult AcceptPicture(const QString& name, const QByteArray& bytes, BankMemory& memory,
                            bool& overBudget);

// The size a picture declares once its format and that size are accepted,
// read from its header without decoding it, or why not.
std::variant<QSize, QString> InspectPicture(const QByteArray& encoded);

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
