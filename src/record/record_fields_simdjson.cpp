// The record's fields with simdjson's on-demand reader: one pass over the
// text, each value read where it stands. A value under a key the record does
// not know is still read through, so that a line is taken only when all of
// it is JSON, as Qt's reader takes it. An answer is passed over and kept as
// its own text, read when the record needs it (answer_pool.h).

#include "record_fields.h"
#include "text_cache.h"

#include <simdjson.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace vorn {

namespace {

namespace od = simdjson::ondemand;
using simdjson::SUCCESS;

// Records nest three deep; a line nested deeper than this is left to Qt's
// reader, which has a limit of its own, so that the stack stays small.
constexpr int kMaxDepth = 64;

// Reads a value whatever it holds; false when it is not JSON.
bool SkipValue(od::value value, int depth = 0);

bool SkipObject(od::object object, int depth) {
    for (auto field : object) {
        od::value value;
        if (field.value().get(value) != SUCCESS || !SkipValue(value, depth + 1)) return false;
    }
    return true;
}

bool SkipValue(od::value value, int depth) {
    od::json_type type;
    if (depth > kMaxDepth || value.type().get(type) != SUCCESS) return false;
    switch (type) {
    case od::json_type::object: {
        od::object object;
        return value.get_object().get(object) == SUCCESS && SkipObject(object, depth);
    }
    case od::json_type::array: {
        od::array array;
        if (value.get_array().get(array) != SUCCESS) return false;
        for (auto element : array) {
            od::value inner;
            if (element.get(inner) != SUCCESS || !SkipValue(inner, depth + 1)) return false;
        }
        return true;
    }
    case od::json_type::number:
        return value.get_double().error() == SUCCESS;
    case od::json_type::string:
        return value.get_string().error() == SUCCESS;
    case od::json_type::boolean:
        return value.get_bool().error() == SUCCESS;
    case od::json_type::null: {
        bool null = false;
        return value.is_null().get(null) == SUCCESS && null;
    }
    }
    return false;
}

// Whether a key is the name: the first letters told apart before the rest,
// as most keys are compared with names of their length.
bool IsName(std::string_view key, std::string_view name) {
    return key.size() == name.size() && !key.empty() && key[0] == name[0] && key == name;
}

// A value where a scalar is expected; false when it is not JSON.
bool ReadField(od::value value, JsonField& field) {
    thread_local TextCache cache;
    field = JsonField{};
    od::json_type type;
    if (value.type().get(type) != SUCCESS) return false;
    switch (type) {
    case od::json_type::number:
        field.kind = JsonField::Kind::Number;
        return value.get_double().get(field.number) == SUCCESS;
    case od::json_type::string: {
        std::string_view text;
        if (value.get_string().get(text) != SUCCESS) return false;
        field.kind = JsonField::Kind::Text;
        field.text = cache.text(text);
        return true;
    }
    case od::json_type::boolean:
        field.kind = JsonField::Kind::Bool;
        return value.get_bool().get(field.yes) == SUCCESS;
    case od::json_type::null:
        field.kind = JsonField::Kind::Null;
        return SkipValue(value);
    case od::json_type::object:
    case od::json_type::array:
        field.kind = JsonField::Kind::Other;
        return SkipValue(value);
    }
    return false;
}

// An object's fields read into the members the table names; others read
// through. `object` is set to whether the value was an object at all.
template <typename Fields, std::size_t N>
bool ReadObject(od::value value, Fields& into,
                const std::array<std::pair<std::string_view, JsonField Fields::*>, N>& known,
                bool& object) {
    od::json_type type;
    if (value.type().get(type) != SUCCESS) return false;
    object = type == od::json_type::object;
    od::object fields;
    if (!object) return SkipValue(value);
    if (value.get_object().get(fields) != SUCCESS) return false;
    for (auto field : fields) {
        std::string_view key;
        od::value inner;
        if (field.unescaped_key().get(key) != SUCCESS || field.value().get(inner) != SUCCESS)
            return false;
        bool read = false;
        for (const auto& [name, member] : known)
            if (IsName(key, name)) {
                if (!ReadField(inner, into.*member)) return false;
                read = true;
                break;
            }
        if (!read && !SkipValue(inner)) return false;
    }
    return true;
}

constexpr std::array<std::pair<std::string_view, JsonField AnswerFields::*>, 5> kAnswerKeys{{
    {"number", &AnswerFields::number},
    {"chosen", &AnswerFields::chosen},
    {"key", &AnswerFields::key},
    {"right", &AnswerFields::right},
    {"id", &AnswerFields::id},
}};

constexpr std::array<std::pair<std::string_view, JsonField RecordFields::*>, 18> kRecordKeys{{
    {"format", &RecordFields::format},
    {"version", &RecordFields::version},
    {"time", &RecordFields::time},
    {"user", &RecordFields::user},
    {"host", &RecordFields::host},
    {"program", &RecordFields::program},
    {"seed", &RecordFields::seed},
    {"score", &RecordFields::score},
    {"total", &RecordFields::total},
    {"percent", &RecordFields::percent},
    {"verdict", &RecordFields::verdict},
    {"timeLimit", &RecordFields::timeLimit},
    {"timeUsed", &RecordFields::timeUsed},
    {"timeUp", &RecordFields::timeUp},
    {"attempt", &RecordFields::attempt},
    {"abandoned", &RecordFields::abandoned},
    {"pool", &RecordFields::pool},
    {"journalSince", &RecordFields::journalSince},
}};

struct BankFields {
    JsonField title, sha256;
};
constexpr std::array<std::pair<std::string_view, JsonField BankFields::*>, 2> kBankKeys{{
    {"title", &BankFields::title},
    {"sha256", &BankFields::sha256},
}};

struct StudentFields {
    JsonField name, group, number, listed;
};
constexpr std::array<std::pair<std::string_view, JsonField StudentFields::*>, 4> kStudentKeys{{
    {"name", &StudentFields::name},
    {"class", &StudentFields::group},
    {"number", &StudentFields::number},
    {"listed", &StudentFields::listed},
}};

struct PaperFields {
    JsonField variant, sheet, scan;
};
constexpr std::array<std::pair<std::string_view, JsonField PaperFields::*>, 3> kPaperKeys{{
    {"variant", &PaperFields::variant},
    {"sheet", &PaperFields::sheet},
    {"scan", &PaperFields::scan},
}};

bool ReadAnswer(od::value value, AnswerFields& answer) {
    answer = AnswerFields{};
    return ReadObject(value, answer, kAnswerKeys, answer.object);
}

// An answer's fields from its own text, with a parser of its own: the
// record's text, which holds it, is still in use.
bool ReadAnswerText(std::string_view text, AnswerFields& answer) {
    thread_local od::parser parser;
    thread_local std::vector<char> padded;
    if (padded.size() < text.size() + simdjson::SIMDJSON_PADDING)
        padded.resize(text.size() + simdjson::SIMDJSON_PADDING);
    std::copy(text.begin(), text.end(), padded.begin());
    od::document document;
    od::value value;
    if (parser.iterate(padded.data(), text.size(), padded.size()).get(document) != SUCCESS ||
        document.get_value().get(value) != SUCCESS || !ReadAnswer(value, answer) || !answer.object)
        return false;
    // Anything after the object makes the text no JSON.
    return document.current_location().error() != SUCCESS;
}

// An answer is kept as its own text, read as the record needs it.
bool ReadQuestion(od::value value, RecordFields& record) {
    od::json_type type;
    if (value.type().get(type) != SUCCESS) return false;
    if (type != od::json_type::object) {
        record.answerTexts.emplace_back();
        return SkipValue(value);
    }
    od::object object;
    std::string_view text;
    if (value.get_object().get(object) != SUCCESS || object.raw_json().get(text) != SUCCESS)
        return false;
    record.answerTexts.push_back(text);
    return true;
}

bool ReadQuestions(od::value value, RecordFields& record) {
    record.answerTexts.clear();
    record.answerTexts.reserve(32);
    od::json_type type;
    if (value.type().get(type) != SUCCESS) return false;
    record.questionsArray = type == od::json_type::array;
    if (!record.questionsArray) return SkipValue(value);
    od::array array;
    if (value.get_array().get(array) != SUCCESS) return false;
    for (auto element : array) {
        od::value inner;
        if (element.get(inner) != SUCCESS || !ReadQuestion(inner, record)) return false;
    }
    return true;
}

bool ReadCheck(od::value value, RecordFields& record) {
    od::json_type type;
    if (value.type().get(type) != SUCCESS) return false;
    record.check = AnswerFields{};
    if (type == od::json_type::object) {
        record.checkKind = JsonField::Kind::Other;
        return ReadAnswer(value, record.check);
    }
    JsonField other;
    if (!ReadField(value, other)) return false;
    record.checkKind = other.kind;
    return true;
}

// The keys holding objects or arrays; false when the value is not JSON.
bool ReadNested(std::string_view key, od::value value, RecordFields& record, bool& known) {
    known = true;
    if (key == "questions") return ReadQuestions(value, record);
    if (key == "check") return ReadCheck(value, record);
    if (key == "bank") {
        BankFields bank;
        bool object = false;
        if (!ReadObject(value, bank, kBankKeys, object)) return false;
        record.bankTitle = std::move(bank.title);
        record.bankSha256 = std::move(bank.sha256);
        return true;
    }
    if (key == "student") {
        StudentFields student;
        bool object = false;
        if (!ReadObject(value, student, kStudentKeys, object)) return false;
        record.student = true;
        record.studentName = std::move(student.name);
        record.studentClass = std::move(student.group);
        record.studentNumber = std::move(student.number);
        record.studentListed = std::move(student.listed);
        return true;
    }
    if (key == "paper") {
        PaperFields paper;
        bool object = false;
        if (!ReadObject(value, paper, kPaperKeys, object)) return false;
        record.paper = true;
        record.paperVariant = std::move(paper.variant);
        record.paperSheet = std::move(paper.sheet);
        record.paperScan = std::move(paper.scan);
        return true;
    }
    known = false;
    return true;
}

bool ReadRecord(od::object object, RecordFields& record) {
    for (auto field : object) {
        std::string_view key;
        od::value value;
        if (field.unescaped_key().get(key) != SUCCESS || field.value().get(value) != SUCCESS)
            return false;
        bool known = false;
        if (!ReadNested(key, value, record, known)) return false;
        if (known) continue;
        for (const auto& [name, member] : kRecordKeys)
            if (IsName(key, name)) {
                if (!ReadField(value, record.*member)) return false;
                known = true;
                break;
            }
        if (!known && !SkipValue(value)) return false;
    }
    return true;
}

} // namespace

std::optional<AnswerFields> FastAnswerFields(std::string_view json) {
    AnswerFields answer;
    return ReadAnswerText(json, answer) ? std::optional(std::move(answer)) : std::nullopt;
}

std::optional<RecordFields> FastRecordFields(QByteArrayView json, qsizetype roomAfter) {
    static_assert(kFastReaderRoom >= simdjson::SIMDJSON_PADDING);
    // One parser and one padded copy per thread: lines are read on every core.
    thread_local od::parser parser;
    thread_local std::vector<char> padded;
    const auto length = static_cast<std::size_t>(json.size());
    const char* text = json.data();
    std::size_t readable = length + static_cast<std::size_t>(roomAfter);
    if (roomAfter < kFastReaderRoom) {
        if (padded.size() < length + simdjson::SIMDJSON_PADDING)
            padded.resize(length + simdjson::SIMDJSON_PADDING);
        std::copy(json.begin(), json.end(), padded.begin());
        text = padded.data();
        readable = padded.size();
    }
    od::document document;
    od::object object;
    if (parser.iterate(text, length, readable).get(document) != SUCCESS ||
        document.get_object().get(object) != SUCCESS)
        return std::nullopt;
    RecordFields record;
    if (!ReadRecord(object, record)) return std::nullopt;
    // Anything after the object makes the text no JSON.
    if (document.current_location().error() == SUCCESS) return std::nullopt;
    return record;
}

} // namespace vorn
