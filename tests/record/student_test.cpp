// Who is answering: what the window accepts, how the caption names it, and
// that the record carries it and the time limit (version 2) while a record
// with neither stays version 1.

#include "record/record_parsing.h"
#include "record/student.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vorn;

TEST(Student, NameAndClassAreRequiredShortAndFreeOfControlCharacters) {
    const struct {
        Student given;
        const char* problem; // nullptr: accepted
        const char* caption;
    } cases[] = {
        {{"  Иван Петров ", " 7б", ""}, nullptr, "Иван Петров, 7б"},
        {{"Мария Иванова", "10а", " 12 "}, nullptr, "Мария Иванова, 10а № 12"},
        {{"", "7б", ""}, "Попълнете „Име и фамилия“.", nullptr},
        {{"Иван", "   ", ""}, "Попълнете „Клас“.", nullptr},
        {{QString(81, u'я'), "7б", ""}, "„Име и фамилия“ е по-дълго от 80 знака.", nullptr},
        {{"Иван\x1b[2J", "7б", ""}, "„Име и фамилия“ съдържа управляващ знак.", nullptr},
        {{"Иван", "7б", "1\u202e2"}, "„Номер в класа“ съдържа управляващ знак.", nullptr},
    };
    for (const auto& c : cases) {
        const Student student = Trimmed(c.given);
        const auto problem = StudentProblem(student);
        EXPECT_EQ(problem.value_or(QString()).toStdString(), c.problem ? c.problem : "")
            << c.given.name.toStdString();
        if (c.caption) {
            EXPECT_EQ(StudentCaption(student), QString::fromUtf8(c.caption));
        }
    }
}

TEST(Student, TheRecordCarriesTheStudentAndTheTimeAsVersionTwo) {
    ResultRecord record;
    record.run = {.time = QDateTime(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC),
                  .user = "lab",
                  .host = "pc-3",
                  .program = "1.0",
                  .bankSha256 = QString(64, u'a'),
                  .seed = 7};
    record.bankTitle = "Т";
    record.grade = {.score = 1, .total = 1, .percent = 100, .verdict = {}};
    record.questions = {{.number = 1, .chosen = QString("a"), .key = "a", .right = true, .id = {}}};
    const QJsonObject without = QJsonDocument::fromJson(RecordLine(record)).object();
    EXPECT_EQ(without["version"], 1);
    EXPECT_FALSE(without.contains("student"));

    record.student = Student{"Иван Петров", "7б", ""};
    const QByteArray line = RecordLine(record);
    const QJsonObject with = QJsonDocument::fromJson(line).object();
    EXPECT_EQ(with["version"], 2);
    EXPECT_EQ(with["student"].toObject(),
              (QJsonObject{{"name", "Иван Петров"}, {"class", "7б"}, {"number", ""}}));
    const auto read = ParseRecordLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->student, record.student);
    EXPECT_FALSE(ParseRecordLine(QByteArray(line).replace("\"version\":2", "\"version\":4")))
        << "a later version is not read";

    // Chosen from a class list, in an exam: known by number, since a journal.
    ResultRecord listed = record;
    listed.knownBy = KnownBy::Number;
    listed.journalSince = QDateTime(QDate(2026, 5, 12), QTime(8, 1), Qt::UTC);
    const QByteArray listedLine = RecordLine(listed);
    EXPECT_TRUE(listedLine.contains(R"("listed":true)") &&
                listedLine.contains(R"("journalSince":"2026-05-12T08:01:00Z")"))
        << listedLine.toStdString();
    const auto back = ParseRecordLine(listedLine);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::tuple(back->knownBy, back->journalSince),
              std::tuple(KnownBy::Number, listed.journalSince));
    EXPECT_FALSE(
        ParseRecordLine(QByteArray(listedLine).replace(R"("listed":true)", R"("listed":1)")));
    EXPECT_FALSE(ParseRecordLine(QByteArray(listedLine).replace("2026-05-12T08:01:00Z", "вчера")));

    record.student.reset();
    record.time = ResultRecord::Time{.limit = 5, .used = 5, .up = true};
    const QByteArray timed = RecordLine(record);
    const QJsonObject o = QJsonDocument::fromJson(timed).object();
    EXPECT_EQ(o["version"], 2);
    EXPECT_EQ(std::tuple(o["timeLimit"], o["timeUsed"], o["timeUp"]),
              std::tuple(QJsonValue(5), QJsonValue(5), QJsonValue(true)));
    ASSERT_TRUE(ParseRecordLine(timed));
    EXPECT_EQ(ParseRecordLine(timed)->time, record.time);

    // A question is read back by the id written or, without one, its number.
    record.time.reset();
    EXPECT_EQ(ParseRecordLine(RecordLine(record))->questions[0].id, "1");
    record.questions.changed(0).id = "умножение-3";
    const QByteArray named = RecordLine(record);
    EXPECT_EQ(QJsonDocument::fromJson(named).object()["version"], 2);
    EXPECT_EQ(ParseRecordLine(named)->questions[0].id, "умножение-3");
}

// Catches: namesakes of one class taken for one student where a class list
// numbers them (the second refused after the first finishes), a number read
// where students type who they are (one student two ways), and the class
// compared by its spelling of the day.
TEST(Student, IdentityIsClassAndNameOrClassAndNumber) {
    const Student ivan3{"Иван Петров", "8а", "3"};
    const struct {
        const char* what;
        Student other;
        KnownBy by;
        bool same;
    } cases[] = {
        {"typed: the number left out", {"иван  ПЕТРОВ", " 8A ", ""}, KnownBy::Name, true},
        {"typed: a namesake is the same", {"Иван Петров", "8а", "12"}, KnownBy::Name, true},
        {"typed: another class", {"Иван Петров", "8б", "3"}, KnownBy::Name, false},
        {"listed: a namesake with his own number",
         {"Иван Петров", "8а", "12"},
         KnownBy::Number,
         false},
        {"listed: the number, blanks and capitals aside",
         {"Иван Петров", "8А", " 3 "},
         KnownBy::Number,
         true},
        {"listed: the number in another class", {"Иван Петров", "8б", "3"}, KnownBy::Number, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StudentIdentity(ivan3, c.by) == StudentIdentity(c.other, c.by), c.same) << c.what;
    // Listed without a number, the name stands in for it.
    EXPECT_EQ(StudentIdentity({"Ана Колева", "8а", ""}, KnownBy::Number),
              StudentIdentity({"ана колева", "8А", ""}, KnownBy::Number));
    EXPECT_NE(StudentIdentity({"Ана Колева", "8а", ""}, KnownBy::Number),
              StudentIdentity({"Ива Ненова", "8а", ""}, KnownBy::Number));
}
