#include "result_record.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace vorn {

namespace {

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
           record.journalSince ||
           std::any_of(record.questions.begin(), record.questions.end(), WritesId) ||
           (record.check && WritesId(*record.check));
}

int VersionOf(const ResultRecord& record) {
    if (record.paper) return 3;
    return HasVersion2Keys(record) ? 2 : 1;
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
        {"format", QString(kResultsFormatName)},
        {"version", VersionOf(record)},
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
    if (record.student) {
        QJsonObject student{{"name", record.student->name},
                            {"class", record.student->className},
                            {"number", record.student->number}};
        if (record.knownBy == KnownBy::Number) student.insert("listed", true);
        object.insert("student", student);
    }
    if (record.time) {
        object.insert("timeLimit", record.time->limit);
        object.insert("timeUsed", record.time->used);
        object.insert("timeUp", record.time->up);
    }
    if (record.attempt) object.insert("attempt", *record.attempt);
    if (record.abandoned) object.insert("abandoned", true);
    if (record.pool) object.insert("pool", *record.pool);
    if (record.journalSince)
        object.insert("journalSince", record.journalSince->toUTC().toString(Qt::ISODate));
    if (const auto& paper = record.paper)
        object.insert("paper", QJsonObject{{"variant", paper->variant},
                                           {"sheet", paper->sheet},
                                           {"scan", paper->scan}});
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace vorn
