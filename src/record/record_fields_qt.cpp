// The record's fields with Qt's JSON reader, for the lines simdjson does not
// take: Qt's reader lets through what strict JSON forbids, and such a line
// has always been read as a record.

#include "record_fields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vorn {

namespace {

JsonField FieldOf(const QJsonValue& value) {
    JsonField field;
    switch (value.type()) {
    case QJsonValue::Null:
        field.kind = JsonField::Kind::Null;
        break;
    case QJsonValue::Bool:
        field.kind = JsonField::Kind::Bool;
        field.yes = value.toBool();
        break;
    case QJsonValue::Double:
        field.kind = JsonField::Kind::Number;
        field.number = value.toDouble();
        break;
    case QJsonValue::String:
        field.kind = JsonField::Kind::Text;
        field.text = value.toString();
        break;
    case QJsonValue::Array:
    case QJsonValue::Object:
        field.kind = JsonField::Kind::Other;
        break;
    case QJsonValue::Undefined:
        break;
    }
    return field;
}

AnswerFields AnswerOf(const QJsonValue& value) {
    const QJsonObject o = value.toObject();
    return {.object = value.isObject(),
            .number = FieldOf(o.value(QLatin1String("number"))),
            .chosen = FieldOf(o.value(QLatin1String("chosen"))),
            .key = FieldOf(o.value(QLatin1String("key"))),
            .right = FieldOf(o.value(QLatin1String("right"))),
            .id = FieldOf(o.value(QLatin1String("id")))};
}

} // namespace

std::optional<RecordFields> QtRecordFields(QByteArrayView json) {
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray());
    if (!document.isObject()) return std::nullopt;
    const QJsonObject o = document.object();
    const auto field = [&o](const char* key) { return FieldOf(o.value(QLatin1String(key))); };
    RecordFields record{.format = field("format"),
                        .version = field("version"),
                        .time = field("time"),
                        .user = field("user"),
                        .host = field("host"),
                        .program = field("program"),
                        .seed = field("seed"),
                        .score = field("score"),
                        .total = field("total"),
                        .percent = field("percent"),
                        .verdict = field("verdict"),
                        .timeLimit = field("timeLimit"),
                        .timeUsed = field("timeUsed"),
                        .timeUp = field("timeUp"),
                        .attempt = field("attempt"),
                        .abandoned = field("abandoned"),
                        .pool = field("pool"),
                        .journalSince = field("journalSince"),
                        .bankTitle = {},
                        .bankSha256 = {},
                        .student = o.contains(QLatin1String("student")),
                        .studentName = {},
                        .studentClass = {},
                        .studentNumber = {},
                        .studentListed = {},
                        .paper = o.contains(QLatin1String("paper")),
                        .paperVariant = {},
                        .paperSheet = {},
                        .paperScan = {},
                        .questionsArray = false,
                        .questions = {},
                        .answerTexts = {},
                        .checkKind = field("check").kind,
                        .check = AnswerOf(o.value(QLatin1String("check")))};
    const QJsonObject bank = o.value(QLatin1String("bank")).toObject();
    record.bankTitle = FieldOf(bank.value(QLatin1String("title")));
    record.bankSha256 = FieldOf(bank.value(QLatin1String("sha256")));
    const QJsonObject student = o.value(QLatin1String("student")).toObject();
    record.studentName = FieldOf(student.value(QLatin1String("name")));
    record.studentClass = FieldOf(student.value(QLatin1String("class")));
    record.studentNumber = FieldOf(student.value(QLatin1String("number")));
    record.studentListed = FieldOf(student.value(QLatin1String("listed")));
    const QJsonObject paper = o.value(QLatin1String("paper")).toObject();
    record.paperVariant = FieldOf(paper.value(QLatin1String("variant")));
    record.paperSheet = FieldOf(paper.value(QLatin1String("sheet")));
    record.paperScan = FieldOf(paper.value(QLatin1String("scan")));
    const QJsonValue questions = o.value(QLatin1String("questions"));
    record.questionsArray = questions.isArray();
    for (const QJsonValue& answer : questions.toArray())
        record.questions.push_back(AnswerOf(answer));
    return record;
}

} // namespace vorn
