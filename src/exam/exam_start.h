#pragma once
// How an exam starts, from what its journal says: a first attempt, the same
// run again after a crash or a pause, the next attempt, or no start at all
// when the attempts are used up or the journal belongs to something else.

#include "attempts_on_record.h"
#include "bank/bank_content.h"
#include "exam_journal.h"
#include "run/attempt.h"

#include <QString>
#include <optional>
#include <variant>

namespace vorn {

struct ExamStart {
    Journal journal;            // this attempt, to be kept from here on
    std::optional<Attempt> run; // the run left open, to go on with; none: a new run
    bool keepOldAside = false;  // the file there is not this attempt's and must be moved first
    QString notice;             // for the student before the test; empty: none
};

struct ExamRefusal {
    QString message;             // Bulgarian, for the student
    bool mayStartAfresh = false; // the student may choose a new attempt instead
};

// Which attempts count toward the attempts allowed. All: an attempt left
// before grading is used up like a graded one. Graded: leaving is a pause,
// and the next start goes on with the same questions, answers and time used.
// Either way leaving never gives a fresh run for nothing.
enum class AttemptsCounted { All, Graded };

struct ExamFacts {
    QString program;
    QString bankSha256;
    Student student;
    int attempts = 1; // attempts allowed
    AttemptsCounted counted = AttemptsCounted::All;
    KnownBy knownBy = KnownBy::Name; // by number where the student came from a class list
    // The student's records in the results file: whichever of it and the
    // journal counts more attempts is believed.
    AttemptsOnRecord onRecord;
};

using JournalRead = std::variant<NoJournal, Journal, UnreadableJournal>;

std::variant<ExamStart, ExamRefusal>
DecideExamStart(const JournalRead& read, const BankContent& bank, const ExamFacts& facts);

// The start after the student chose a new attempt over a journal refused
// with mayStartAfresh.
ExamStart FreshAttemptAfter(const JournalRead& read, const ExamFacts& facts);

} // namespace vorn
