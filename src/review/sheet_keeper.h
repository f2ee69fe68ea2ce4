#pragma once
// Recording finished sheets into the results file, each sheet once.

#include "paper/open_sheet.h"
#include "recorded_sheets.h"

#include <QTextStream>

namespace vorn {

struct ScanCounts {
    int recorded = 0;
    int already = 0;    // recorded before: left alone
    int toReview = 0;   // waiting for a person
    int unreadable = 0; // pages that are no sheet of this test
    int failed = 0;     // could not be written
};

class SheetKeeper {
public:
    SheetKeeper(const BankContent& bank, QString bankSha256, QString resultsPath);

    VariantRuns& runs() { return runs_; }
    const QString& sha256() const { return sha256_; }
    // Whether the results file holds this filled-in sheet; unknown (false)
    // while a blank sheet's number is open.
    bool recorded(const OpenSheet& sheet) const;
    // Records a complete sheet unless the file holds it; says so on `out`
    // or, when it cannot be written, why on `err`.
    void keep(const OpenSheet& sheet, ScanCounts& counts, QTextStream& out, QTextStream& err);

private:
    QString sha256_, results_;
    VariantRuns runs_;
    RecordedSheets recorded_;
};

// "записани: 3, вече записани: 1, за преглед: 2, нечетливи: 0"
QString ScanSummary(const ScanCounts& counts);

} // namespace vorn
