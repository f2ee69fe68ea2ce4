#pragma once
// Where a record was read, for what a report says about that one record.

#include <QString>

namespace vorn {

struct RecordPlace {
    QString file; // printable
    qint64 line = 0;
    // A sealed record whose link does not match the line before it: a record
    // before it was removed, changed or moved.
    bool afterChainBreak = false;
    bool sealed = false; // sealed to the teacher and opened
};

} // namespace vorn
