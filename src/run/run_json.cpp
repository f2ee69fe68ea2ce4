// A run as JSON and back: the draws, the choices, the position and the mode,
// and nothing that follows from them. What follows (judgements, the answered
// count, the check answers, the grade) is worked out again from the bank on
// reading: a file a student can open then holds no judgement of an answer
// and no score. The first version wrote those too; it is still read, and
// refused when they disagree with what the choices give.

#include "attempt.h"
#include "platform/json_number.h"

#include <QJsonArray>
#include <algorithm>

namespace vorn {

namespace {

const QString kFormat = QStringLiteral("vorn-run");
constexpr int kVersion = 2;
constexpr int kVersionWithJudgements = 1;

QString JudgementName(Judgement j) {
    switch (j) {
    case Judgement::Right:
        return QStringLiteral("right");
    case Judgement::Wrong:
        return QStringLiteral("wrong");
    case Judgement::Unanswered:
        break;
    }
    return QStringLiteral("unanswered");
}

QJsonValue Text(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue();
}

QJsonArray Numbers(const std::vector<int>& numbers) {
    QJsonArray array;
    for (const int n : numbers)
        array.append(n);
    return array;
}

// Whole numbers only; none for anything else.
std::optional<std::vector<int>> NumbersOf(const QJsonValue& value) {
    if (!value.isArray()) return std::nullopt;
    std::vector<int> numbers;
    for (const QJsonValue& item : value.toArray()) {
        const auto number = WholeNumber(item, -1000000, 1000000);
        if (!number) return std::nullopt;
        numbers.push_back(static_cast<int>(*number));
    }
    return numbers;
}

// Whether `numbers` are first, first + 1, .. first + count - 1 in some order.
bool IsOrderOf(std::vector<int> numbers, int first, int count) {
    if (static_cast<int>(numbers.size()) != count) return false;
    std::sort(numbers.begin(), numbers.end());
    for (int i = 0; i < count; ++i)
        if (numbers[static_cast<std::size_t>(i)] != first + i) return false;
    return true;
}

} // namespace

QJsonObject Attempt::toJson() const {
    QJsonArray orders, chosen;
    for (const OptionOrder& order : optionOrders_)
        orders.append(Numbers(order));
    for (const std::optional<int>& slot : chosen_)
        chosen.append(slot ? QJsonValue(*slot) : QJsonValue());
    QJsonObject json{
        {"format", kFormat},
        {"version", kVersion},
        {"orderStep", orderStep_},
        {"questionAt", Numbers(questionAt_)},
        {"optionOrders", orders},
        {"chosen", chosen},
        {"current", current_},
        {"mode", mode_ == RunMode::Review ? QStringLiteral("review") : QStringLiteral("test")}};
    if (poolSize_ > 0) {
        const auto drawn = questionCount() - (checkCopy() ? 1 : 0);
        json.insert("drawn", Numbers({bankNumbers_.begin(), bankNumbers_.begin() + drawn}));
    }
    return json;
}

namespace {

// The run as the first version wrote it, with what follows from the choices.
QJsonObject WithJudgements(const Attempt& run) {
    QJsonObject json = run.toJson();
    QJsonArray judgements;
    for (int p = 0; p < run.questionCount(); ++p)
        judgements.append(JudgementName(run.judgement(p)));
    QJsonValue grade;
    if (const auto& g = run.grade())
        grade = QJsonObject{{"score", g->score},
                            {"total", g->total},
                            {"percent", g->percent},
                            {"verdict", Text(g->verdict)}};
    json["version"] = kVersionWithJudgements;
    json["judgements"] = judgements;
    json["answered"] = run.answeredCount();
    json["checkAnswers"] = QJsonObject{{"first", Text(run.checkAnswers().first)},
                                       {"last", Text(run.checkAnswers().last)}};
    json["grade"] = grade;
    return json;
}

} // namespace

std::optional<Attempt> Attempt::fromJson(const QJsonObject& json, const BankContent& bank,
                                         QString* error) {
    const auto refuse = [error](const QString& why) -> std::optional<Attempt> {
        if (error) *error = why;
        return std::nullopt;
    };
    const int version = json.value("version").toInt();
    if (json.value("format").toString() != kFormat ||
        (version != kVersion && version != kVersionWithJudgements))
        return refuse(QStringLiteral("не е запис на тест от тази версия"));

    // The questions drawn from a pool, by their numbers in it, ascending.
    const int pool = static_cast<int>(bank.questions.size());
    std::vector<int> numbers;
    if (const int draw = bank.draw.value_or(pool); draw < pool) {
        const auto drawn = NumbersOf(json.value("drawn"));
        if (!drawn || static_cast<int>(drawn->size()) != draw ||
            std::adjacent_find(drawn->begin(), drawn->end(), std::greater_equal<>()) !=
                drawn->end() ||
            drawn->front() < 1 || drawn->back() > pool)
            return refuse(QStringLiteral("изтеглените въпроси не са %1 от %2").arg(draw).arg(pool));
        for (const int number : *drawn)
            numbers.push_back(number - 1);
    } else {
        for (int i = 0; i < pool; ++i)
            numbers.push_back(i);
    }
    Attempt run = Prepared(bank, numbers);
    const int n = run.questionCount();
    const auto order = NumbersOf(json.value("questionAt"));
    if (!order || !IsOrderOf(*order, 0, n))
        return refuse(QStringLiteral("редът на въпросите не е на %1 въпроса").arg(n));
    run.questionAt_ = *order;
    run.orderStep_ = json.value("orderStep").toInt();

    const QJsonArray orders = json.value("optionOrders").toArray();
    if (orders.size() != n)
        return refuse(QStringLiteral("наредбите на отговорите не са %1").arg(n));
    for (int Q = 0; Q < n; ++Q) {
        const auto options = NumbersOf(orders.at(Q));
        if (!options || !IsOrderOf(*options, 1, run.optionCount(Q)))
            return refuse(
                QStringLiteral("наредбата на отговорите на въпрос %1 не пасва").arg(Q + 1));
        run.optionOrders_.push_back(*options);
    }

    // The choices are made again, so that everything that follows from them
    // is worked out, not read.
    const QJsonArray chosen = json.value("chosen").toArray();
    if (chosen.size() != n) return refuse(QStringLiteral("отговорите не са %1").arg(n));
    run.chosen_.assign(static_cast<std::size_t>(n), std::nullopt);
    run.judgements_.assign(static_cast<std::size_t>(n), Judgement::Unanswered);
    for (int p = 0; p < n; ++p) {
        if (chosen.at(p).isNull()) continue;
        const int slot = chosen.at(p).toInt(-1);
        if (slot < 0 || slot >= run.optionCount(run.questionAt(p)))
            return refuse(QStringLiteral("отговорът на позиция %1 не е от въпроса").arg(p + 1));
        run.current_ = p;
        run.choose(slot);
    }
    if (json.value("mode").toString() == QStringLiteral("review")) run.gradeNow();
    const int current = json.value("current").toInt(-1);
    if (current < 0 || current >= n)
        return refuse(QStringLiteral("текущата позиция е извън теста"));
    run.current_ = current;

    if ((version == kVersion ? run.toJson() : WithJudgements(run)) != json)
        return refuse(QStringLiteral("частите на записа си противоречат"));
    return run;
}

} // namespace vorn
