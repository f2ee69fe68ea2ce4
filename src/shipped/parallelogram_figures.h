#pragma once
// The pictures of the shipped test, built from the same numbers as the
// question texts (shipped_numbers.h). tools/figures paints them into
// assets/pictures; the bank loads those files and the tests measure these
// figures against the questions.

#include "figure.h"

#include <QString>
#include <vector>

namespace vorn {

struct ShippedPicture {
    QString fileName;           // in assets/pictures
    std::vector<int> questions; // 1-based numbers of the questions that show it
    Figure figure;
};

std::vector<ShippedPicture> ShippedPictures();

} // namespace vorn
