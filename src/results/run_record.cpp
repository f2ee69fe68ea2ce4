#include "run_record.h"

#include "platform/text.h"

namespace vorn {

namespace {

// The answer at position p, which shows question Q (0-based in the run).
AnswerRecord AnswerAt(const VORN_Prazno& form, int p, int Q) {
    const QuestionBank& bank = form.VORN_Danni;
    AnswerRecord answer;
    answer.key = bank.List1(0).List(Q);
    answer.right = form.List2(3).List(p) == QStringLiteral("1");
    // The chosen slot names a digit of the question's option order, and that
    // digit the option item.
    if (const int slot = static_cast<int>(Val(form.List2(0).List(p))); slot >= 0) {
        const int item = static_cast<int>(Val(Mid(form.List2(2).List(Q), slot + 1, 1)));
        answer.chosen = bank.List1(Q + 1).List(item);
    }
    return answer;
}

} // namespace

ResultRecord RecordOfRun(const VORN_Prazno& form, const RunFacts& facts) {
    ResultRecord record;
    record.run = facts;
    record.bankTitle = form.VORN_Danni.List2.List(kTitleItem);
    record.grade = form.Outcome.value();
    const int copy = form.VORN_Danni.AddsCheckQuestion() ? form.QuestionCount - 1 : -1;
    const int bankQuestions = copy >= 0 ? copy : form.QuestionCount;
    record.questions.resize(static_cast<std::size_t>(bankQuestions));
    for (int p = 0; p < form.QuestionCount; ++p) {
        const int Q = static_cast<int>(Val(form.List2(1).List(p)));
        AnswerRecord answer = AnswerAt(form, p, Q);
        answer.number = Q == copy ? 1 : Q + 1;
        if (Q == copy)
            record.check = answer;
        else
            record.questions[static_cast<std::size_t>(Q)] = answer;
    }
    return record;
}

} // namespace vorn
