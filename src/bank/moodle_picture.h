#pragma once
// A picture carried inside a Moodle XML file as base64 text: decoded under
// the same caps and formats as a picture file (bank_pictures.h).

#include "bank_pictures.h"

#include <QString>

namespace vorn::moodle {

// The picture, or why it cannot be shown (a Bulgarian sentence naming it).
PictureResult PictureFromBase64(const QString& name, const QString& base64);

} // namespace vorn::moodle
