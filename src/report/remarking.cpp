#include "remarking.h"

#include "results_figures.h"

#include <algorithm>

namespace vorn {

namespace {

// Texts compare with their spaces simplified: a corrected bank saved by
// another editor may wrap or pad them otherwise.
bool SameText(const QString& a, const QString& b) {
    return a.simplified() == b.simplified();
}

std::optional<QString> OptionAmong(const Question& question, const QString& text) {
    for (const QString& option : question.options)
        if (SameText(option, text)) return option;
    return std::nullopt;
}

QString RecordQuestionName(const AnswerRecord& answer) {
    return QuestionName(answer.number, QuestionIdOr(answer.id, answer.number));
}

} // namespace

std::variant<Remarking, QString>
Remarking::Of(const ResultRecord& first, const BankContent* corrected, const QStringList& voided) {
    Remarking remarking(corrected, voided);
    if (!corrected) return remarking;
    {
        const auto recorded =
            static_cast<qsizetype>(first.pool.value_or(static_cast<int>(first.questions.size())));
        const auto given = static_cast<qsizetype>(corrected->questions.size());
        if (recorded != given)
            return QStringLiteral("в нея има %1 въпроса, а в банката на записите — %2; "
                                  "въпрос е добавен или махнат")
                .arg(given)
                .arg(recorded);
    }
    if (auto applied = remarking.applied(first); const auto* why = std::get_if<QString>(&applied))
        return *why;
    return remarking;
}

bool Remarking::voids(const QString& id, int number) const {
    return voided_.contains(QuestionIdOr(id, number)) || voided_.contains(QString::number(number));
}

std::variant<const Question*, QString> Remarking::matched(const AnswerRecord& answer) {
    if (const auto known = byNumber_.find(answer.number); known != byNumber_.end())
        return &corrected_->questions[static_cast<std::size_t>(known->second)];
    const std::vector<Question>& questions = corrected_->questions;
    const QString id = QuestionIdOr(answer.id, answer.number);
    int index = -1;
    for (std::size_t i = 0; i < questions.size() && index < 0; ++i)
        if (QuestionIdOr(questions[i].id, static_cast<int>(i) + 1) == id)
            index = static_cast<int>(i);
    // A question the author named only later is still found by its number.
    if (index < 0 && id == QString::number(answer.number) && answer.number >= 1 &&
        answer.number <= static_cast<int>(questions.size()))
        index = answer.number - 1;
    if (index < 0)
        return QStringLiteral("въпрос %1 от записите го няма в нея")
            .arg(RecordQuestionName(answer));
    for (const auto& [number, taken] : byNumber_)
        if (taken == index)
            return QStringLiteral("въпроси %1 и %2 от записите отговарят на един и същи въпрос")
                .arg(number)
                .arg(answer.number);
    const Question& question = questions[static_cast<std::size_t>(index)];
    if (!OptionAmong(question, answer.key))
        return QStringLiteral("ключът „%1“ на въпрос %2 от записите не е сред отговорите му")
            .arg(answer.key, RecordQuestionName(answer));
    byNumber_[answer.number] = index;
    recordedKeys_[answer.number] = answer.key;
    return &question;
}

std::optional<QString> Remarking::remark(AnswerRecord& answer) {
    const auto found = matched(answer);
    if (const auto* why = std::get_if<QString>(&found)) return *why;
    const Question& question = *std::get<const Question*>(found);
    answer.key = question.key;
    if (answer.chosen && !answer.chosen->isEmpty()) {
        const auto option = OptionAmong(question, *answer.chosen);
        if (!option)
            return QStringLiteral("отговорът „%1“ на въпрос %2 от записите не е сред отговорите му")
                .arg(*answer.chosen, RecordQuestionName(answer));
        answer.chosen = *option;
    }
    answer.right = answer.chosen && *answer.chosen == question.key;
    return std::nullopt;
}

std::variant<ResultRecord, QString> Remarking::applied(const ResultRecord& record) {
    ResultRecord result = record;
    result.questions.clear();
    int score = 0;
    for (AnswerRecord answer : record.questions) {
        if (voids(answer.id, answer.number)) {
            voidedSeen_.emplace(answer.number, QuestionIdOr(answer.id, answer.number));
            continue;
        }
        if (corrected_)
            if (auto why = remark(answer)) return *why;
        score += answer.right ? 1 : 0;
        result.questions.push_back(std::move(answer));
    }
    if (record.check && voids(record.check->id, record.check->number)) {
        result.check.reset();
    } else if (record.check && corrected_) {
        if (auto why = remark(*result.check)) return *why;
    }
    score += result.check && result.check->right ? 1 : 0;
    const int total = static_cast<int>(result.questions.size()) + (result.check ? 1 : 0);
    if (total == 0) return QStringLiteral("с --void не остава нито един въпрос");
    const auto verdict = record.grade.verdict;
    result.grade = GradeOf(score, total);
    result.grade.verdict = verdict;
    return result;
}

const Question* Remarking::questionOf(int number) const {
    const auto found = byNumber_.find(number);
    return corrected_ && found != byNumber_.end()
               ? &corrected_->questions[static_cast<std::size_t>(found->second)]
               : nullptr;
}

std::vector<KeyChange> Remarking::keyChanges() const {
    std::vector<KeyChange> changes;
    for (const auto& [number, was] : recordedKeys_)
        if (const Question* question = questionOf(number); !SameText(was, question->key))
            changes.push_back({.number = number, .was = was, .now = question->key});
    return changes;
}

std::vector<VoidedQuestion> Remarking::voidedSeen() const {
    std::vector<VoidedQuestion> questions;
    for (const auto& [number, id] : voidedSeen_)
        questions.push_back({.number = number, .id = id});
    return questions;
}

} // namespace vorn
