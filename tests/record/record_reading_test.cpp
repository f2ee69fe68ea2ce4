// A record's line read by the fast reader and by Qt's: whatever the fast one
// takes, Qt's reads the same (a fast reader that skips what it does not need
// could take a broken line, or take the first of two equal keys); what only
// Qt's takes is still read as a record, as it always was.

#include "record/record_fields.h"
#include "record/record_parsing.h"
#include "support/fast_fields.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vorn;

namespace {

const QByteArray kRecordLine =
    R"({"format":"vorn-results","version":2,"time":"2024-05-14T09:31:05Z","user":"lab",)"
    R"("host":"pc-3","program":"1.0","bank":{"title":"Т","sha256":")" +
    QByteArray(64, 'a') +
    R"("},"seed":7,"score":1,"total":2,"percent":50,"verdict":null,)"
    R"("questions":[{"number":1,"chosen":"a","key":"a","right":true},)"
    R"({"number":2,"chosen":null,"key":"b","right":false}],"check":null,)"
    R"("student":{"name":"Иван","class":"7б"}})";

// The record with the first `from` replaced.
QByteArray With(const char* from, const QByteArray& to) {
    QByteArray line = kRecordLine;
    const qsizetype at = line.indexOf(from);
    EXPECT_GE(at, 0) << from;
    return line.replace(at, qstrlen(from), to);
}

QByteArray NestedJson(int depth) {
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

} // namespace

TEST(RecordReading, TheFastReaderTakesOnlyWhatQtsReaderReadsTheSame) {
    const struct {
        const char* name;
        QByteArray line;
        bool fast;   // the fast reader takes it
        bool record; // read as a record
        QString user;
        int score = 1;
    } cases[] = {
        {"as written", kRecordLine, true, true, "lab"},
        {"a key twice: the last counts", With("{", "{\"score\":0,"), true, true, "lab"},
        {"an escaped key", With("\"user\":\"lab\"", "\"us\\u0065r\":\"lab2\""), true, true, "lab2"},
        {"an escaped NUL", With("\"lab\"", "\"l\\u0000\""), true, true,
         QString::fromUtf8("l\0", 2)},
        {"a broken literal under an unknown key", With("{", "{\"x\":tru,"), false, false, {}},
        {"a broken array under an unknown key", With("{", "{\"x\":[1,},"), false, false, {}},
        {"a broken null", With("\"verdict\":null", "\"verdict\":nul"), false, false, {}},
        {"a broken literal in an answer",
         With("\"right\":true", "\"right\":tru"),
         false,
         false,
         {}},
        {"a broken array in an answer",
         With("\"right\":true", "\"right\":true,\"x\":[1,"),
         false,
         false,
         {}},
        {"text after the object", kRecordLine + " x", false, false, {}},
        {"a number out of range", With("{", "{\"x\":1e400,"), false, false, {}},
        {"no check key", With(",\"check\":null", ""), true, false, {}},
        {"a check that is no object", With("\"check\":null", "\"check\":5"), true, false, {}},
        {"a question that is no object",
         With("{\"number\":1,", "1,{\"number\":1,"),
         true,
         false,
         {}},
        {"version 1 passes a broken student over",
         With("\"version\":2", "\"version\":1")
             .replace("{\"name\":\"Иван\",\"class\":\"7б\"}", "5"),
         true, true, "lab"},
        // What only Qt's reader takes.
        {"a byte order mark", "\xEF\xBB\xBF" + kRecordLine, false, true, "lab"},
        {"a raw tab in a text", With("\"lab\"", "\"l\tab\""), false, true, "l\tab"},
        {"a lone surrogate", With("\"lab\"", "\"\\ud800\""), false, true, QString(QChar(0xD800))},
        {"a number without its leading zero", With("{", "{\"x\":.5,"), false, true, "lab"},
        {"deep nesting under an unknown key", With("{", "{\"x\":" + NestedJson(100) + ","), false,
         true, "lab"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fast = test::FastFieldsWithAnswers(c.line);
        const auto qt = QtRecordFields(c.line);
        EXPECT_EQ(fast.has_value(), c.fast);
        if (fast) {
            ASSERT_TRUE(qt);
            EXPECT_TRUE(*fast == *qt);
        }
        const auto record = ParseRecordJson(c.line);
        ASSERT_EQ(record.has_value(), c.record);
        if (record) {
            EXPECT_EQ(record->run.user, c.user);
            EXPECT_EQ(record->grade.score, c.score);
        }
    }
}

// The fault caught: the record's time read field by field otherwise than
// Qt's ISO 8601 reader reads it (a day that does not exist taken, an offset
// or a fraction lost, a sign read as a year). Qt's reader is the reference.
TEST(RecordReading, TimesAreReadAsQtsReaderReadsThem) {
    // The player's form, a day that does not exist in it, an hour Qt's
    // reader decides on, other forms of ISO 8601, and signs or letters where
    // digits stand.
    for (const char* time : {"2024-05-14T09:31:05Z", "2023-02-29T10:00:00Z", "2024-05-14T24:00:00Z",
                             "2024-05-14T09:31:05+02:00", "2024-05-14T09:31:05.250Z",
                             "2024-05-1xT09:31:05Z", "-024-05-14T09:31:05Z"}) {
        SCOPED_TRACE(time);
        const QDateTime expected = QDateTime::fromString(QString::fromLatin1(time), Qt::ISODate);
        const auto record = ParseRecordJson(With("2024-05-14T09:31:05Z", time));
        ASSERT_EQ(record.has_value(), expected.isValid());
        if (record) {
            EXPECT_EQ(record->run.time, expected);
        }
    }
}

// Records read on one thread share their answers. The faults caught: the
// answers of records read earlier freed or moved when the thread's answers
// outgrow what it keeps (thousands of distinct answers, some too long to be
// kept), and a change to a copy's answer seen by the record it was copied
// from.
TEST(RecordReading, ARecordKeepsItsAnswersWhateverIsReadAfterIt) {
    constexpr int kRecords = 10'000; // each with an answer of its own
    const auto key = [](int i) {     // every seventh too long to be kept
        return QStringLiteral("b%1").arg(i) + QString(i % 7 == 0 ? 1500 : 0, u'x');
    };
    std::vector<ResultRecord> records;
    for (int i = 0; i < kRecords; ++i) {
        auto record = ParseRecordJson(With("\"key\":\"b\"", "\"key\":\"" + key(i).toUtf8() + '"'));
        ASSERT_TRUE(record);
        records.push_back(std::move(*record));
    }
    for (int i = 0; i < kRecords; ++i) {
        ASSERT_EQ(records[i].questions.size(), 2u);
        EXPECT_EQ(records[i].questions[0].key, "a");
        EXPECT_EQ(records[i].questions[1].key, key(i));
    }
    ResultRecord copy = records[0];
    copy.questions.changed(0).key = QStringLiteral("changed");
    EXPECT_EQ(copy.questions[0].key, "changed");
    EXPECT_EQ(records[0].questions[0].key, "a");
    EXPECT_EQ(records[1].questions[0].key, "a");
}
