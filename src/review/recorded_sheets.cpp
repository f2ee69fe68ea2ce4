#include "recorded_sheets.h"

#include "paper/sheet_record.h"
#include "record/results_reading.h"

#include <QFileInfo>

namespace vorn {

RecordedSheets::RecordedSheets(const QString& resultsPath, const QString& bankSha256) {
    if (!QFileInfo::exists(resultsPath)) return;
    ReadResultsFiles({resultsPath}, [&](const ResultRecord& record, const RecordPlace&) {
        if (record.paper && record.run.bankSha256 == bankSha256)
            keys_.insert(FilledSheetKey(record.paper->sheet,
                                        record.student ? record.student->number : QString()));
    });
}

} // namespace vorn
