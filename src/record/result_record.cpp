#include "result_record.h"
#include "platform/json_number.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace vorn {

namespace {

const QString kFormatName = QStringLiteral("vorn-results");

QJsonValue OrNull(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

bool WritesId(const AnswerRecord& answer) {
    return !answer.id.isEmpty() && answer.id != QString::number(answer.number);
}

QJsonObject AnswerObject(const AnswerRecord& answer) {
    QJsonObject object{{"number", answer.number},
                       {"chosen", OrNull(answer.chosen)},
                       {"key", answer.key},
                       {"right", answer.right}};
    if (WritesId(answer)) object.insert("id", answer.id);
    return object;
}

bool HasVersion2Keys(const ResultRecord& record) {
    return record.student || record.time || record.attempt || record.abandoned || record.pool ||
           std::any_of(record.questions.begin(), record.questions.end(), WritesId) ||
           (record.check && WritesId(*record.check));
}

// A text, or null; nothing else.
std::optional<std::optional<QString>> TextOrNull(const QJsonValue& value) {
    if (value.isNull()) return std::optional<QString>();
    if (value.isString()) return std::optional<QString>(value.toString());
    return std::nullopt;
}

std::optional<AnswerRecord> ParseAnswer(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    // Each key looked up once: a report reads a hundred thousand records.
    const QJsonObject o = value.toObject();
    const auto number = WholeNumber(o.value(QLatin1String("number")), 1, 1000);
    const auto chosen = TextOrNull(o.value(QLatin1String("chosen")));
    const QJsonValue key = o.value(QLatin1String("key"));
    const QJsonValue right = o.value(QLatin1String("right"));
    const QJsonValue id = o.value(QLatin1String("id"));
    QString idText = id.toString();
    if (!number || !chosen || !key.isString() || !right.isBool() ||
        !(id.isUndefined() || (id.isString() && !idText.isEmpty())))
        return std::nullopt;
    return AnswerRecord{.number = static_cast<int>(*number),
                        .chosen = *chosen,
                        .key = key.toString(),
                        .right = right.toBool(),
                        .id = idText.isEmpty() ? QString::number(*number) : std::move(idText)};
}

// 64 lower-case hexadecimal digits.
bool IsSha256(const QString& text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

} // namespace

QString QuestionIdOr(const QString& authorId, int number) {
    return authorId.isEmpty() ? QString::number(number) : authorId;
}

QByteArray RecordLine(const ResultRecord& record) {
    QJsonArray questions;
    for (const AnswerRecord& answer : record.questions)
        questions.append(AnswerObject(answer));
    QJsonObject object{
        {"format", kFormatName},
        {"version", HasVersion2Keys(record) ? 2 : 1},
        {"time", record.run.time.toUTC().toString(Qt::ISODate)},
        {"user", record.run.user},
        {"host", record.run.host},
        {"program", record.run.program},
        {"bank", QJsonObject{{"title", record.bankTitle}, {"sha256", record.run.bankSha256}}},
        {"seed", static_cast<qint64>(record.run.seed)},
        {"score", record.grade.score},
        {"total", record.grade.total},
        {"percent", record.grade.percent},
        {"verdict", OrNull(record.grade.verdict)},
        {"questions", questions},
        {"check", record.check ? QJsonValue(AnswerObject(*record.check)) : QJsonValue()},
    };
    if (record.student)
        object.insert("student", QJsonObject{{"name", record.student->name},
                                             {"class", record.student->className},
                                             {"number", record.student->number}});
    if (record.time) {
        object.insert("timeLimit", record.time->limit);
        object.insert("timeUsed", record.time->used);
        object.insert("timeUp", record.time->up);
    }
    if (record.attempt) object.insert("attempt", *record.attempt);
    if (record.abandoned) object.insert("abandoned", true);
    if (record.pool) object.insert("pool", *record.pool);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

// What version 2 added, each field optional: the student, the time, the
// attempt's number, whether it was abandoned, the pool's size. False for a
// field that is there but not as written.
bool ReadVersion2Fields(const QJsonObject& o, ResultRecord& record) {
    if (o.contains(QLatin1String("student"))) {
        const QJsonObject s = o.value(QLatin1String("student")).toObject();
        const QJsonValue name = s.value(QLatin1String("name")),
                         group = s.value(QLatin1String("class")),
                         number = s.value(QLatin1String("number"));
        if (!name.isString() || !group.isString() || !(number.isString() || number.isUndefined()))
            return false;
        record.student = Student{name.toString(), group.toString(), number.toString()};
    }
    if (o.contains(QLatin1String("timeLimit"))) {
        const auto limit = WholeNumber(o.value(QLatin1String("timeLimit")), 1, 300 * 60);
        const auto used = WholeNumber(o.value(QLatin1String("timeUsed")), 0, 1000 * 3600);
        if (!limit || !used || !o.value(QLatin1String("timeUp")).isBool()) return false;
        record.time = ResultRecord::Time{static_cast<int>(*limit), static_cast<int>(*used),
                                         o.value(QLatin1String("timeUp")).toBool()};
    }
    if (o.contains(QLatin1String("attempt"))) {
        const auto attempt = WholeNumber(o.value(QLatin1String("attempt")), 1, 1000);
        if (!attempt) return false;
        record.attempt = static_cast<int>(*attempt);
    }
    if (o.contains(QLatin1String("abandoned"))) {
        if (!o.value(QLatin1String("abandoned")).isBool()) return false;
        record.abandoned = o.value(QLatin1String("abandoned")).toBool();
    }
    if (o.contains(QLatin1String("pool"))) {
        const auto pool = WholeNumber(o.value(QLatin1String("pool")), 1, 1000);
        if (!pool) return false;
        record.pool = static_cast<int>(*pool);
    }
    return true;
}

std::optional<ResultRecord> ParseRecordLine(const QByteArray& line) {
    const QJsonDocument document = QJsonDocument::fromJson(line);
    const QJsonObject o = document.object();
    const auto version = WholeNumber(o.value(QLatin1String("version")), 1, kResultsFormatVersion);
    if (!document.isObject() || o.value(QLatin1String("format")) != kFormatName || !version)
        return std::nullopt;

    ResultRecord record;
    record.run.time = QDateTime::fromString(o.value(QLatin1String("time")).toString(), Qt::ISODate);
    const QJsonObject bank = o.value(QLatin1String("bank")).toObject();
    const auto seed = WholeNumber(o.value(QLatin1String("seed")), 0, 0xFFFFFFFFLL);
    const auto total = WholeNumber(o.value(QLatin1String("total")), 1, 1000);
    const auto score = WholeNumber(o.value(QLatin1String("score")), 0, total.value_or(0));
    const auto percent = WholeNumber(o.value(QLatin1String("percent")), 0, 100);
    const auto verdict = TextOrNull(o.value(QLatin1String("verdict")));
    const QJsonValue user = o.value(QLatin1String("user")), host = o.value(QLatin1String("host")),
                     program = o.value(QLatin1String("program")),
                     title = bank.value(QLatin1String("title"));
    record.run.bankSha256 = bank.value(QLatin1String("sha256")).toString();
    if (!record.run.time.isValid() || !user.isString() || !host.isString() || !program.isString() ||
        !title.isString() || !IsSha256(record.run.bankSha256) || !seed || !total || !score ||
        !percent || !verdict || !o.value(QLatin1String("questions")).isArray())
        return std::nullopt;
    record.run.user = user.toString();
    record.run.host = host.toString();
    record.run.program = program.toString();
    record.run.seed = static_cast<std::uint32_t>(*seed);
    record.bankTitle = title.toString();
    record.grade = {.score = static_cast<int>(*score),
                    .total = static_cast<int>(*total),
                    .percent = static_cast<int>(*percent),
                    .verdict = *verdict};

    const QJsonArray questions = o.value(QLatin1String("questions")).toArray();
    record.questions.reserve(static_cast<std::size_t>(questions.size()));
    for (qsizetype i = 0; i < questions.size(); ++i) {
        auto answer = ParseAnswer(questions.at(i));
        if (!answer) return std::nullopt;
        record.questions.push_back(std::move(*answer));
    }
    if (!o.value(QLatin1String("check")).isNull()) {
        record.check = ParseAnswer(o.value(QLatin1String("check")));
        if (!record.check) return std::nullopt;
    }
    if (*version >= 2 && !ReadVersion2Fields(o, record)) return std::nullopt;
    return record;
}

} // namespace vorn
