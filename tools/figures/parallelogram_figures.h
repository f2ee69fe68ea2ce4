#pragma once
// The pictures of the shipped test, built from the same numbers as the
// question texts (shipped_numbers.h). tools/figures paints them into
// assets/pictures; the bank loads those files and the tests measure these
// figures against the questions.

#include "figure.h"
#include "shipped/shipped_picture_files.h"

#include <vector>

namespace vorn {

struct ShippedPicture {
    ShippedPictureFile file;
    Figure figure;
};

// One per file of ShippedPictureFiles(), in its order.
std::vector<ShippedPicture> ShippedPictures();

} // namespace vorn
