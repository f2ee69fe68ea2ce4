#include "record_consistency.h"

#include <algorithm>
#include <vector>

namespace vorn {

namespace {

bool JudgedAsChosen(const AnswerRecord& answer) {
    return answer.right == (answer.chosen && *answer.chosen == answer.key);
}

// Distinct numbers from 1 to the bank's count: the run's own count, or the
// pool's when it drew from one.
std::optional<QString> NumbersInconsistency(const AnswerList& questions, std::optional<int> pool) {
    const auto count = pool.value_or(static_cast<int>(questions.size()));
    if (count < static_cast<int>(questions.size()))
        return QStringLiteral("въпросите са %1, а банката има %2").arg(questions.size()).arg(count);
    std::vector<bool> seen(static_cast<std::size_t>(count) + 1, false);
    for (const AnswerRecord& answer : questions) {
        if (answer.number > count)
            return QStringLiteral("въпрос %1 не е от теста, чиито въпроси са %2")
                .arg(answer.number)
                .arg(count);
        if (seen[static_cast<std::size_t>(answer.number)])
            return QStringLiteral("въпрос %1 е записан повече от веднъж").arg(answer.number);
        seen[static_cast<std::size_t>(answer.number)] = true;
    }
    return std::nullopt;
}

// The first text longer than a window or a bank writes, named.
std::optional<QString> TextTooLong(const ResultRecord& record) {
    const auto tooLong = [](const QString& what, int limit) {
        return QStringLiteral("%1: повече от %2 знака").arg(what).arg(limit);
    };
    if (const auto& s = record.student) {
        const std::pair<const QString*, const char*> fields[] = {
            {&s->name, "името на ученика"}, {&s->className, "класът"}, {&s->number, "номерът"}};
        for (const auto& [text, what] : fields)
            if (text->size() > kMaxStudentText)
                return tooLong(QString::fromUtf8(what), kMaxStudentText);
    }
    const std::pair<const QString*, const char*> fields[] = {
        {&record.bankTitle, "заглавието на теста"},
        {&record.run.user, "потребителят"},
        {&record.run.host, "компютърът"},
        {&record.run.program, "версията на програмата"}};
    for (const auto& [text, what] : fields)
        if (text->size() > kMaxRecordText) return tooLong(QString::fromUtf8(what), kMaxRecordText);
    const auto answerTooLong = [](const AnswerRecord& answer) {
        return answer.key.size() > kMaxRecordText || answer.id.size() > kMaxRecordText ||
               (answer.chosen && answer.chosen->size() > kMaxRecordText);
    };
    for (const AnswerRecord& answer : record.questions)
        if (answerTooLong(answer))
            return tooLong(QStringLiteral("отговор на въпрос %1").arg(answer.number),
                           kMaxRecordText);
    if (record.check && answerTooLong(*record.check))
        return tooLong(QStringLiteral("отговорът за проверка"), kMaxRecordText);
    return std::nullopt;
}

} // namespace

std::optional<QString> RecordInconsistency(const ResultRecord& record) {
    if (record.questions.empty()) return QStringLiteral("няма нито един въпрос");
    if (auto why = TextTooLong(record)) return why;
    if (auto why = NumbersInconsistency(record.questions, record.pool)) return why;
    // The check question copies the run's first question: the bank's first,
    // or the first drawn, which is the lowest number drawn.
    const int first = std::min_element(record.questions.begin(), record.questions.end(),
                                       [](const AnswerRecord& a, const AnswerRecord& b) {
                                           return a.number < b.number;
                                       })
                          ->number;
    if (record.check && record.check->number != first)
        return QStringLiteral("копието за проверка е на въпрос %1, а не на %2")
            .arg(record.check->number)
            .arg(first);

    int right = 0;
    std::vector<const AnswerRecord*> positions;
    positions.reserve(record.questions.size() + 1);
    for (const AnswerRecord& answer : record.questions)
        positions.push_back(&answer);
    if (record.check) positions.push_back(&*record.check);
    for (const AnswerRecord* answer : positions) {
        if (!JudgedAsChosen(*answer))
            return QStringLiteral("преценката на въпрос %1 не отговаря на избрания отговор")
                .arg(answer->number);
        right += answer->right ? 1 : 0;
    }
    const GradeResult& grade = record.grade;
    const auto count = static_cast<int>(positions.size());
    if (grade.total != count)
        return QStringLiteral("общо %1, а записаните въпроси са %2").arg(grade.total).arg(count);
    if (grade.score != right)
        return QStringLiteral("верни %1, а отбелязаните като верни са %2")
            .arg(grade.score)
            .arg(right);
    const int percent = GradeOf(grade.score, grade.total).percent;
    if (grade.percent != percent)
        return QStringLiteral("%1 %, а %2 от %3 е %4 %")
            .arg(grade.percent)
            .arg(grade.score)
            .arg(grade.total)
            .arg(percent);
    return std::nullopt;
}

} // namespace vorn
