#pragma once
// The fields of a record's JSON text as the record's rules look at them: each
// known key's value by its kind, nothing else. Two readers fill them: a fast
// one (simdjson) for the lines a player writes, and Qt's, which also takes
// what JSON strictly forbids but Qt's reader has always let through (a byte
// order mark, raw control characters or lone surrogates in a text, ".5"). A
// key given twice counts with its last value, as in Qt's reader.

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <string_view>
#include <vector>

namespace vorn {

struct JsonField {
    enum class Kind { Absent, Null, Bool, Number, Text, Other };
    Kind kind = Kind::Absent;
    bool yes = false;
    double number = 0;
    QString text;

    bool isText() const { return kind == Kind::Text; }
    bool isBool() const { return kind == Kind::Bool; }
    bool operator==(const JsonField&) const = default;
};

struct AnswerFields {
    bool object = false;
    JsonField number, chosen, key, right, id;
    bool operator==(const AnswerFields&) const = default;
};

struct RecordFields {
    JsonField format, version, time, user, host, program, seed, score, total, percent, verdict;
    JsonField timeLimit, timeUsed, timeUp, attempt, abandoned, pool, journalSince;
    JsonField bankTitle, bankSha256;                    // absent unless "bank" is an object
    bool student = false;                               // the key is there, whatever its value
    JsonField studentName, studentClass, studentNumber; // absent unless an object
    JsonField studentListed;
    bool paper = false;                            // the key is there, whatever its value
    JsonField paperVariant, paperSheet, paperScan; // absent unless an object
    bool questionsArray = false;
    std::vector<AnswerFields> questions; // Qt's reader
    // The fast reader's: each answer's own JSON text, read as the record
    // needs it (FastAnswerFields); valid until the thread reads another line.
    // An element that is no object has an empty text.
    std::vector<std::string_view> answerTexts;
    JsonField::Kind checkKind = JsonField::Kind::Absent; // Other: an object or an array
    AnswerFields check;
    bool operator==(const RecordFields&) const = default;
};

// The bytes the fast reader reads past a text's end (simdjson's padding).
inline constexpr qsizetype kFastReaderRoom = 64;

// The fields of a JSON object; none when the text is not JSON to simdjson
// (which is stricter than Qt) or not an object. `roomAfter`: bytes after the
// text in its storage that may be read, whatever they hold; with fewer than
// kFastReaderRoom the text is first copied where there is room.
std::optional<RecordFields> FastRecordFields(QByteArrayView json, qsizetype roomAfter = 0);

// An answer's fields from its own JSON text; none when the text is not one
// JSON object.
std::optional<AnswerFields> FastAnswerFields(std::string_view json);

// The same with Qt's reader; none when Qt does not take the text as a JSON
// object.
std::optional<RecordFields> QtRecordFields(QByteArrayView json);

} // namespace vorn
