#pragma once
// A picture object: encoded image bytes, shared by every container that shows
// it. An empty Picture means "no picture".

#include "twips.h"

#include <QByteArray>
#include <memory>

namespace vorn {

struct PictureData {
    QByteArray encoded; // JPEG or any format the view can decode
};

using Picture = std::shared_ptr<const PictureData>;

// The window's picture area: a question's picture is shown whole within it,
// and the checker notes pictures larger than it.
constexpr Twips kPictureAreaWidth = 3375;
constexpr Twips kPictureAreaHeight = 2055;

inline Picture MakePicture(QByteArray encoded) {
    return std::make_shared<const PictureData>(PictureData{std::move(encoded)});
}

} // namespace vorn
