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
    // By FilledSheetKey.
    bool has(const QString& key) const { return keys_.contains(key); }
    void add(const QString& key) { keys_.insert(key); }

private:
    QSet<QString> keys_;
};

} // namespace vorn
