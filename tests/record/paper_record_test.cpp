// A run answered on paper: its record says where it came from (version 3),
// both readers read that back, and a record without it is written as before.

#include "record/record_fields.h"
#include "record/record_parsing.h"
#include "support/fast_fields.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

ResultRecord PaperRecord() {
    ResultRecord record;
    record.run = {.time = QDateTime(QDate(2026, 12, 10), QTime(8, 30), Qt::UTC),
                  .user = "учител",
                  .host = "pc-1",
                  .program = "1.0",
                  .bankSha256 = QString(64, u'c'),
                  .seed = 4000000000u};
    record.bankTitle = "Дроби";
    record.grade = {.score = 1, .total = 2, .percent = 50, .verdict = {}};
    record.questions = {{.number = 1, .chosen = QString("½"), .key = "½", .right = true, .id = {}},
                        {.number = 2, .chosen = {}, .key = "¼", .right = false, .id = {}}};
    record.student = Student{"Ана Петрова", "6а", "3"};
    record.paper = PaperOrigin{2, "3fa9c2e1-07", "клас 6а.pdf#3"};
    return record;
}

} // namespace

TEST(PaperRecord, ThePaperOriginMakesVersionThreeAndReadsBackWithBothReaders) {
    const ResultRecord record = PaperRecord();
    const QByteArray line = RecordLine(record);
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    EXPECT_EQ(o["version"], 3);
    EXPECT_EQ(o["paper"].toObject(),
              (QJsonObject{{"variant", 2}, {"sheet", "3fa9c2e1-07"}, {"scan", "клас 6а.pdf#3"}}));
    const auto fast = test::FastFieldsWithAnswers(line);
    const auto qt = QtRecordFields(line);
    ASSERT_TRUE(fast && qt);
    EXPECT_TRUE(*fast == *qt);
    const auto read = ParseRecordLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->paper, record.paper);
    EXPECT_EQ(read->student, record.student);
    EXPECT_EQ(read->run.seed, 4000000000u);

    ResultRecord plain = record;
    plain.paper.reset();
    const QJsonObject without = QJsonDocument::fromJson(RecordLine(plain)).object();
    EXPECT_EQ(without["version"], 2) << "a student alone still makes version 2";
    EXPECT_FALSE(without.contains("paper"));
}

TEST(PaperRecord, APaperFieldNotAsWrittenRefusesTheRecord) {
    const QByteArray line = RecordLine(PaperRecord());
    const QByteArray paper =
        R"("paper":{"scan":"клас 6а.pdf#3","sheet":"3fa9c2e1-07","variant":2})";
    ASSERT_TRUE(line.contains(paper));
    const auto with = [&](const QByteArray& to) { return QByteArray(line).replace(paper, to); };
    const struct {
        const char* name;
        QByteArray line;
        bool read;
    } cases[] = {
        {"variant 0", with(R"("paper":{"scan":"s","sheet":"a-1","variant":0})"), false},
        {"variant a text", with(R"("paper":{"scan":"s","sheet":"a-1","variant":"2"})"), false},
        {"no sheet", with(R"("paper":{"scan":"s","variant":2})"), false},
        {"an empty sheet", with(R"("paper":{"scan":"s","sheet":"","variant":2})"), false},
        {"no scan", with(R"("paper":{"sheet":"a-1","variant":2})"), false},
        {"paper no object", with(R"("paper":5)"), false},
        {"paper null", with(R"("paper":null)"), false},
        {"version 2 passes paper over",
         with(R"("paper":5)").replace("\"version\":3", "\"version\":2"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ParseRecordLine(c.line);
        EXPECT_EQ(read.has_value(), c.read);
        if (read) {
            EXPECT_FALSE(read->paper);
        }
    }
}
