#pragma once
// What the journal targets do with a journal read: take its run up over the
// shipped test and over a pool drawn from it, as a start would, whatever the
// journal claims of itself.

#include "exam/exam_start.h"
#include "shipped/shipped_bank.h"

namespace vorn::fuzz {

inline void TakeUp(const Journal& journal) {
    static const BankContent shipped = ShippedBank();
    static const BankContent pool = [] {
        BankContent content = ShippedBank();
        content.draw = 5;
        return content;
    }();
    for (const auto counted : {AttemptsCounted::All, AttemptsCounted::Graded}) {
        const ExamFacts facts{.program = journal.program,
                              .bankSha256 = journal.bankSha256,
                              .student = journal.student,
                              .attempts = 2,
                              .counted = counted};
        for (const BankContent* bank : {&shipped, &pool})
            (void)DecideExamStart(journal, *bank, facts);
    }
}

} // namespace vorn::fuzz
