#pragma once
// A picture object: encoded image bytes, shared by every container that shows
// it. An empty Picture means "no picture".

#include "twips.h"

#include <QByteArray>
#include <memory>

namespace vorn {

struct PictureData {
    QByteArray encoded; // JPEG or any format the view can decode
    // The same pixels as a PNG, where the program carries one (the shipped
    // test's pictures): drawn in place of `encoded`, since QtGui reads PNG
    // itself while a JPEG loads an image plugin and libjpeg. Empty for a
    // bank's own pictures. What is written, checked or fingerprinted is
    // always `encoded`.
    QByteArray drawn;
};

using Picture = std::shared_ptr<const PictureData>;

// The window's picture area: a question's picture is shown whole within it,
// and the checker notes pictures larger than it.
constexpr Twips kPictureAreaWidth = 3375;
constexpr Twips kPictureAreaHeight = 2055;

inline Picture MakePicture(QByteArray encoded, QByteArray drawn = {}) {
    return std::make_shared<const PictureData>(PictureData{std::move(encoded), std::move(drawn)});
}

// The bytes to decode to show the picture.
inline const QByteArray& DrawnBytes(const PictureData& picture) {
    return picture.drawn.isEmpty() ? picture.encoded : picture.drawn;
}

} // namespace vorn
