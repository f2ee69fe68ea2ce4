#include "run_record.h"

namespace vorn {

ResultRecord RecordOfRun(const Attempt& run, const RunFacts& facts) {
    ResultRecord record;
    record.run = facts;
    record.bankTitle = run.settings().title;
    if (run.grade()) {
        record.grade = *run.grade();
    } else { // left before grading: the answers so far, as grading would count them
        int right = 0;
        for (int p = 0; p < run.questionCount(); ++p)
            right += run.judgement(p) == Judgement::Right ? 1 : 0;
        record.grade = GradeOf(right, run.questionCount());
    }
    record.pool = run.poolSize();
    const std::optional<int> copy = run.checkCopy();
    std::vector<AnswerRecord> questions(
        static_cast<std::size_t>(copy.value_or(run.questionCount())));
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
            questions[static_cast<std::size_t>(Q)] = answer;
    }
    for (AnswerRecord& answer : questions)
        record.questions.push_back(std::move(answer));
    return record;
}

} // namespace vorn
