#include "record_parsing.h"

#include "answer_pool.h"
#include "platform/json_number.h"
#include "record_fields.h"

#include <algorithm>
#include <vector>

namespace vorn {

namespace {

std::optional<qint64> Whole(const JsonField& field, qint64 min, qint64 max) {
    if (field.kind != JsonField::Kind::Number) return std::nullopt;
    return WholeNumber(field.number, min, max);
}

// A text, or null; nothing else. The text is taken out of the field.
std::optional<std::optional<QString>> TextOrNull(JsonField& field) {
    if (field.kind == JsonField::Kind::Null) return std::optional<QString>();
    if (field.isText()) return std::optional<QString>(std::move(field.text));
    return std::nullopt;
}

// A field's text; empty when it is not a text.
QString TextOf(const JsonField& field) {
    return field.isText() ? field.text : QString();
}

// A question's number as its id: the same few texts in every record, made
// once per thread.
QString NumberId(int number) {
    thread_local std::vector<QString> ids;
    const auto index = static_cast<std::size_t>(number);
    if (index >= ids.size()) ids.resize(index + 1);
    if (ids[index].isEmpty()) ids[index] = QString::number(number);
    return ids[index];
}

std::optional<AnswerRecord> ParseAnswer(AnswerFields& a) {
    if (!a.object) return std::nullopt;
    const auto number = Whole(a.number, 1, 1000);
    auto chosen = TextOrNull(a.chosen);
    QString id = TextOf(a.id);
    if (!number || !chosen || !a.key.isText() || !a.right.isBool() ||
        !(a.id.kind == JsonField::Kind::Absent || !id.isEmpty()))
        return std::nullopt;
    return AnswerRecord{.number = static_cast<int>(*number),
                        .chosen = std::move(*chosen),
                        .key = std::move(a.key.text),
                        .right = a.right.yes,
                        .id = id.isEmpty() ? NumberId(static_cast<int>(*number)) : std::move(id)};
}

// A time as the player writes it, "2024-05-14T09:31:05Z", read field by
// field; any other form of ISO 8601 through Qt's reader. Every record has
// one, and Qt's reader cost as much as the rest of a record's fields.
QDateTime IsoTime(const QString& text) {
    const auto digits = [&text](qsizetype from, qsizetype count) {
        int value = 0;
        for (qsizetype i = from; i < from + count; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9') return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 20 && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':' && text[19] == u'Z') {
        const int year = digits(0, 4), month = digits(5, 2), day = digits(8, 2);
        const int hour = digits(11, 2), minute = digits(14, 2), second = digits(17, 2);
        const QDate date(year, month, day);
        if (std::min({year, month, day, hour, minute, second}) >= 0 && date.isValid() &&
            QTime::isValid(hour, minute, second))
            return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

// 64 lower-case hexadecimal digits.
bool IsSha256(const QString& text) {
    return text.size() == 64 && std::all_of(text.begin(), text.end(), [](QChar c) {
               return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
           });
}

// What version 2 added, each field optional: the student, the time, the
// attempt's number, whether it was abandoned, the pool's size. False for a
// field that is there but not as written.
bool ReadVersion2Fields(const RecordFields& f, ResultRecord& record) {
    using Kind = JsonField::Kind;
    if (f.student) {
        const JsonField& number = f.studentNumber;
        if (!f.studentName.isText() || !f.studentClass.isText() ||
            !(number.isText() || number.kind == Kind::Absent) ||
            !(f.studentListed.kind == Kind::Absent || f.studentListed.isBool()))
            return false;
        record.student = Student{f.studentName.text, f.studentClass.text, TextOf(number)};
        if (f.studentListed.yes) record.knownBy = KnownBy::Number;
    }
    if (f.timeLimit.kind != Kind::Absent) {
        const auto limit = Whole(f.timeLimit, 1, 300 * 60);
        const auto used = Whole(f.timeUsed, 0, 1000 * 3600);
        if (!limit || !used || !f.timeUp.isBool()) return false;
        record.time =
            ResultRecord::Time{static_cast<int>(*limit), static_cast<int>(*used), f.timeUp.yes};
    }
    if (f.attempt.kind != Kind::Absent) {
        const auto attempt = Whole(f.attempt, 1, 1000);
        if (!attempt) return false;
        record.attempt = static_cast<int>(*attempt);
    }
    if (f.abandoned.kind != Kind::Absent) {
        if (!f.abandoned.isBool()) return false;
        record.abandoned = f.abandoned.yes;
    }
    if (f.pool.kind != Kind::Absent) {
        const auto pool = Whole(f.pool, 1, 1000);
        if (!pool) return false;
        record.pool = static_cast<int>(*pool);
    }
    if (f.journalSince.kind != Kind::Absent) {
        record.journalSince = IsoTime(TextOf(f.journalSince));
        if (!f.journalSince.isText() || !record.journalSince->isValid()) return false;
    }
    return true;
}

// What version 3 added: where a run answered on paper came from. False when
// "paper" is there but not as written.
bool ReadVersion3Fields(const RecordFields& f, ResultRecord& record) {
    if (!f.paper) return true;
    const auto variant = Whole(f.paperVariant, 1, 1000);
    if (!variant || !f.paperSheet.isText() || f.paperSheet.text.isEmpty() || !f.paperScan.isText())
        return false;
    record.paper = PaperOrigin{static_cast<int>(*variant), f.paperSheet.text, f.paperScan.text};
    return true;
}

std::optional<AnswerRecord> ParseAnswerText(std::string_view json) {
    std::optional<AnswerFields> fields = FastAnswerFields(json);
    return fields ? ParseAnswer(*fields) : std::nullopt;
}

bool ReadAnswers(RecordFields& f, ResultRecord& record) {
    thread_local AnswerPool pool;
    record.questions.reserve(f.questions.size() + f.answerTexts.size());
    for (const std::string_view text : f.answerTexts)
        if (!pool.add(text, &ParseAnswerText, record.questions)) return false;
    for (AnswerFields& fields : f.questions) {
        auto answer = ParseAnswer(fields);
        if (!answer) return false;
        record.questions.push_back(std::move(*answer));
    }
    if (f.checkKind != JsonField::Kind::Null) {
        record.check = ParseAnswer(f.check);
        if (!record.check) return false;
    }
    return true;
}

std::optional<ResultRecord> RecordOf(RecordFields& f) {
    const auto version = Whole(f.version, 1, kResultsFormatVersion);
    if (!f.format.isText() || f.format.text != kResultsFormatName || !version) return std::nullopt;

    ResultRecord record;
    record.run.time = IsoTime(TextOf(f.time));
    const auto seed = Whole(f.seed, 0, 0xFFFFFFFFLL);
    const auto total = Whole(f.total, 1, 1000);
    const auto score = Whole(f.score, 0, total.value_or(0));
    const auto percent = Whole(f.percent, 0, 100);
    auto verdict = TextOrNull(f.verdict);
    record.run.bankSha256 = TextOf(f.bankSha256);
    if (!record.run.time.isValid() || !f.user.isText() || !f.host.isText() || !f.program.isText() ||
        !f.bankTitle.isText() || !IsSha256(record.run.bankSha256) || !seed || !total || !score ||
        !percent || !verdict || !f.questionsArray)
        return std::nullopt;
    record.run.user = std::move(f.user.text);
    record.run.host = std::move(f.host.text);
    record.run.program = std::move(f.program.text);
    record.run.seed = static_cast<std::uint32_t>(*seed);
    record.bankTitle = std::move(f.bankTitle.text);
    record.grade = {.score = static_cast<int>(*score),
                    .total = static_cast<int>(*total),
                    .percent = static_cast<int>(*percent),
                    .verdict = std::move(*verdict)};
    if (!ReadAnswers(f, record)) return std::nullopt;
    if (*version >= 2 && !ReadVersion2Fields(f, record)) return std::nullopt;
    if (*version >= 3 && !ReadVersion3Fields(f, record)) return std::nullopt;
    return record;
}

} // namespace

std::optional<ResultRecord> ParseRecordJson(QByteArrayView json, qsizetype roomAfter) {
    // The fast reader takes every line a player writes; what it refuses,
    // Qt's reader may still take, as it always has. The fast reader reads an
    // answer only when the record needs it, so a record it cannot make is
    // left to Qt's reader too.
    if (std::optional<RecordFields> fields = FastRecordFields(json, roomAfter))
        if (std::optional<ResultRecord> record = RecordOf(*fields)) return record;
    std::optional<RecordFields> fields = QtRecordFields(json);
    return fields ? RecordOf(*fields) : std::nullopt;
}

std::optional<ResultRecord> ParseRecordLine(const QByteArray& line) {
    return ParseRecordJson(line);
}

} // namespace vorn
