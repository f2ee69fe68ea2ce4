#pragma once
// The sheets of one test a results file already holds, so that a sheet
// scanned twice is recorded once.

#include <QSet>
#include <QString>

namespace vorn {

class RecordedSheets {
public:
    // A file that cannot be read (not there yet) holds none.
    RecordedSheets(const QString& resultsPath, const QString& bankSha256);
    bool has(const QString& sheetId) const { return ids_.contains(sheetId); }
    void add(const QString& sheetId) { ids_.insert(sheetId); }

private:
    QSet<QString> ids_;
};

} // namespace vorn
