#include "run_record.h"

namespace vorn {

ResultRecord RecordOfRun(const TestRun& run, const RunFacts& facts) {
    ResultRecord record;
    record.run = facts;
    record.bankTitle = run.settings().title;
    record.grade = run.grade().value();
    record.pool = run.poolSize();
    const std::optional<int> copy = run.checkCopy();
    record.questions.resize(static_cast<std::size_t>(copy.value_or(run.questionCount())));
    for (int p = 0; p < run.questionCount(); ++p) {
        const int Q = run.questionAt(p);
        AnswerRecord answer;
        answer.number = run.bankNumber(Q);
        answer.id = QuestionIdOr(run.question(Q).id, answer.number);
        answer.key = run.question(Q).key;
        answer.right = run.judgement(p) == Judgement::Right;
        if (const std::optional<int> slot = run.chosenSlot(p))
            answer.chosen = run.optionText(Q, *slot);
        if (Q == copy)
            record.check = answer;
        else
            record.questions[static_cast<std::size_t>(Q)] = answer;
    }
    return record;
}

} // namespace vorn
