#pragma once
// Screenshots as the `xwd` tool writes them.

#include <QByteArray>
#include <QImage>

namespace vorn::x11 {

// A true-colour Z-format dump (what every X server of today gives) as an
// image; a null image for anything else.
QImage DecodeXwd(const QByteArray& file);

} // namespace vorn::x11
