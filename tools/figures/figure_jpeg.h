#pragma once
// The bytes of a figure's picture file: the figure painted, then written as a
// JPEG at one fixed quality. The generator writes these bytes and the tests
// compare them with the committed files, so both use this one encoding.

#include "figure.h"

#include <QByteArray>

namespace vorn {

// Empty when the JPEG writer fails.
QByteArray FigureJpeg(const Figure& figure);

} // namespace vorn
