#pragma once
// Reading results files for a report: every line that is a record counts; a
// line that is not (a fragment, another program's text, a later version) is
// skipped and named; blank lines are passed over. A file that cannot be read
// is named and the others still count.

#include "result_record.h"

#include <QStringList>
#include <vector>

namespace vorn {

struct ReadResults {
    std::vector<ResultRecord> records; // in the order of the files and their lines
    QStringList skipped;               // "path:line" of each line that is not a record
    QStringList unreadable;            // "path: why", Bulgarian
};

ReadResults ReadResultsFiles(const QStringList& paths);

} // namespace vorn
