#pragma once
// Which questions of the shipped test show which picture file. The bank loads
// the files by this table and the generator paints one figure per file, so
// loading the bank needs no figure.

#include <QString>
#include <vector>

namespace vorn {

struct ShippedPictureFile {
    QString name;               // in assets/pictures
    std::vector<int> questions; // 1-based numbers of the questions that show it
};

std::vector<ShippedPictureFile> ShippedPictureFiles();

} // namespace vorn
