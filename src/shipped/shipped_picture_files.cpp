#include "shipped_picture_files.h"

namespace vorn {

std::vector<ShippedPictureFile> ShippedPictureFiles() {
    // Questions 6 and 7 have no picture; 9 and 10 share one.
    const std::vector<std::vector<int>> shown{{1},     {2},  {3},  {4},  {5},  {8},
                                              {9, 10}, {11}, {12}, {13}, {14}, {15},
                                              {16},    {17}, {18}, {19}, {20}};
    std::vector<ShippedPictureFile> files;
    for (const std::vector<int>& questions : shown) {
        // A file is named after the first question that shows it: q09.jpg.
        const QString name = QStringLiteral("q%1.jpg").arg(questions.front(), 2, 10, QChar(u'0'));
        files.push_back({name, questions});
    }
    return files;
}

} // namespace vorn
