// The record's fields with simdjson's document reader: the whole line is
// parsed (and so checked to be JSON) at once, then each known key's value is
// read from the parsed document; a key the record does not know is passed
// over.

#include "record_fields.h"

#include <simdjson.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace vorn {

namespace {

namespace dom = simdjson::dom;
using simdjson::SUCCESS;

// Records nest three deep; a line nested deeper than this is left to Qt's
// reader, as it always was.
constexpr std::size_t kMaxDepth = 64;

// Texts repeat from record to record (keys, options, titles, classes): each
// short one is decoded once and shared after, from a cache of a fixed size
// per thread where a text has one place, taken by the last text there.
class TextCache {
public:
    QString text(std::string_view utf8) {
        const auto decoded = [utf8] {
            return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        };
        if (utf8.size() > kMaxBytes) return decoded();
        Entry& entry = entries_[Place(utf8)];
        if (entry.utf8 != utf8) {
            entry.utf8.assign(utf8);
            entry.text = decoded();
        }
        return entry.text;
    }

private:
    // A text's place from its length and three samples of its bytes: hashing
    // all of every text of every record cost more than the rest of the cache,
    // and two texts alike in the samples only take each other's place.
    static std::size_t Place(std::string_view utf8) {
        const auto sample = [utf8](std::size_t at) {
            std::uint64_t bytes = 0;
            std::memcpy(&bytes, utf8.data() + at, sizeof bytes);
            return bytes;
        };
        std::uint64_t mixed = utf8.size();
        if (utf8.size() >= sizeof(std::uint64_t)) {
            const std::size_t last = utf8.size() - sizeof(std::uint64_t);
            mixed ^= sample(0) * 0x9E3779B97F4A7C15ULL;
            mixed ^= sample(last / 2) * 0xC2B2AE3D27D4EB4FULL;
            mixed ^= sample(last) * 0x165667B19E3779F9ULL;
        } else {
            for (const char c : utf8)
                mixed = mixed * 31 + static_cast<unsigned char>(c);
            mixed *= 0x9E3779B97F4A7C15ULL;
        }
        // Every byte sampled must reach the low bits (splitmix64's finish).
        mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9ULL;
        mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::size_t>(mixed ^ (mixed >> 31)) % kEntries;
    }

    static constexpr std::size_t kMaxBytes = 256;
    static constexpr std::size_t kEntries = 1024;
    struct Entry {
        std::string utf8;
        QString text;
    };
    std::array<Entry, kEntries> entries_;
};

// Whether a key is the name: the first letters told apart before the rest,
// as most keys are compared with names of their length.
bool IsName(std::string_view key, std::string_view name) {
    return key.size() == name.size() && !key.empty() && key[0] == name[0] && key == name;
}

// A value where a scalar is expected.
void ReadField(dom::element value, JsonField& field) {
    thread_local TextCache cache;
    field = JsonField{};
    switch (value.type()) {
    case dom::element_type::INT64:
    case dom::element_type::UINT64:
    case dom::element_type::DOUBLE:
        field.kind = JsonField::Kind::Number;
        field.number = value.get_double().value_unsafe();
        return;
    case dom::element_type::STRING:
        field.kind = JsonField::Kind::Text;
        field.text = cache.text(value.get_string().value_unsafe());
        return;
    case dom::element_type::BOOL:
        field.kind = JsonField::Kind::Bool;
        field.yes = value.get_bool().value_unsafe();
        return;
    case dom::element_type::NULL_VALUE:
        field.kind = JsonField::Kind::Null;
        return;
    case dom::element_type::OBJECT:
    case dom::element_type::ARRAY:
        field.kind = JsonField::Kind::Other;
        return;
    }
}

// An object's fields read into the members the table names; others passed
// over. Returns whether the value was an object at all.
template <typename Fields, std::size_t N>
bool ReadObject(dom::element value, Fields& into,
                const std::array<std::pair<std::string_view, JsonField Fields::*>, N>& known) {
    dom::object fields;
    if (value.get_object().get(fields) != SUCCESS) return false;
    for (const dom::key_value_pair field : fields)
        for (const auto& [name, member] : known)
            if (IsName(field.key, name)) {
                ReadField(field.value, into.*member);
                break;
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

// Into a fresh answer.
void ReadAnswer(dom::element value, AnswerFields& answer) {
    answer.object = ReadObject(value, answer, kAnswerKeys);
}

void ReadQuestions(dom::element value, RecordFields& record) {
    record.questions.clear();
    dom::array array;
    record.questionsArray = value.get_array().get(array) == SUCCESS;
    if (!record.questionsArray) return;
    record.questions.reserve(array.size());
    for (const dom::element element : array)
        ReadAnswer(element, record.questions.emplace_back());
}

void ReadCheck(dom::element value, RecordFields& record) {
    record.check = AnswerFields{};
    if (value.is_object()) {
        record.checkKind = JsonField::Kind::Other;
        ReadAnswer(value, record.check);
        return;
    }
    JsonField other;
    ReadField(value, other);
    record.checkKind = other.kind;
}

// The keys holding objects or arrays; false for any other key.
bool ReadNested(std::string_view key, dom::element value, RecordFields& record) {
    if (key == "questions") {
        ReadQuestions(value, record);
    } else if (key == "check") {
        ReadCheck(value, record);
    } else if (key == "bank") {
        BankFields bank;
        ReadObject(value, bank, kBankKeys);
        record.bankTitle = std::move(bank.title);
        record.bankSha256 = std::move(bank.sha256);
    } else if (key == "student") {
        StudentFields student;
        ReadObject(value, student, kStudentKeys);
        record.student = true;
        record.studentName = std::move(student.name);
        record.studentClass = std::move(student.group);
        record.studentNumber = std::move(student.number);
        record.studentListed = std::move(student.listed);
    } else if (key == "paper") {
        PaperFields paper;
        ReadObject(value, paper, kPaperKeys);
        record.paper = true;
        record.paperVariant = std::move(paper.variant);
        record.paperSheet = std::move(paper.sheet);
        record.paperScan = std::move(paper.scan);
    } else {
        return false;
    }
    return true;
}

void ReadRecord(dom::object object, RecordFields& record) {
    for (const dom::key_value_pair field : object) {
        if (ReadNested(field.key, field.value, record)) continue;
        for (const auto& [name, member] : kRecordKeys)
            if (IsName(field.key, name)) {
                ReadField(field.value, record.*member);
                break;
            }
    }
}

} // namespace

std::optional<RecordFields> FastRecordFields(QByteArrayView json) {
    // One parser and one padded copy per thread: lines are read on every core.
    thread_local dom::parser parser;
    if (parser.max_depth() != kMaxDepth &&
        parser.allocate(std::max<std::size_t>(json.size(), 64 * 1024), kMaxDepth) != SUCCESS)
        return std::nullopt;
    thread_local std::vector<char> padded;
    const auto length = static_cast<std::size_t>(json.size());
    if (padded.size() < length + simdjson::SIMDJSON_PADDING)
        padded.resize(length + simdjson::SIMDJSON_PADDING);
    std::copy(json.begin(), json.end(), padded.begin());
    // Text after the object is an error here.
    dom::object object;
    if (parser.parse(padded.data(), length, false).get_object().get(object) != SUCCESS)
        return std::nullopt;
    RecordFields record;
    ReadRecord(object, record);
    return record;
}

} // namespace vorn
