#pragma once
// A student's attempts as the results file tells them, so that deleting,
// editing or replacing one's own journal gives no fresh attempt: every record
// of the student on this bank is one attempt made. Plain records name their
// student; sealed ones are known by their student tag (sealed_line.h), which
// is told apart for graded and abandoned records.

#include "record/exam_keys.h"
#include "record/student.h"

#include <QString>
#include <optional>

namespace vorn {

struct AttemptsOnRecord {
    int made = 0;   // records of the student on the bank
    int graded = 0; // of them, graded
    bool operator==(const AttemptsOnRecord&) const = default;
};

struct WhoseAttempts {
    QString bankSha256;
    Student student;
    KnownBy knownBy = KnownBy::Name;
    std::optional<ExamPublicKey> sealedTo; // --results-key
};

// Lines that are neither the student's records nor records at all are passed
// over; a file that cannot be read has none.
AttemptsOnRecord AttemptsInResults(const QString& resultsPath, const WhoseAttempts& whose);

} // namespace vorn
