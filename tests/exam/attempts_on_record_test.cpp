// A student's attempts counted from the results file, so that a journal
// deleted or replaced gives no fresh attempt.

#include "exam/attempts_on_record.h"
#include "record/sealed_line.h"
#include "support/file_bytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

// Catches: records of other students, other banks or namesakes from a class
// list counted as the student's, spellings of the class not counted, sealed
// records not counted or an abandoned one counted as graded.
TEST(AttemptsOnRecord, AreTheStudentsRecordsOnTheBankPlainOrSealed) {
    QTemporaryDir dir;
    const auto made = [&dir](const QString& name) {
        EXPECT_EQ(MakeExamKeys(dir.filePath(name)), std::nullopt);
        return std::get<ExamPublicKey>(ReadExamPublicKey(dir.filePath(name + "/exam.pub")));
    };
    const ExamPublicKey key = made("keys"), other = made("other");
    const QString bank(64, u'a'), otherBank(64, u'b');
    const Student ivan{"Иван Петров", "7б", "12"};
    const auto sealed = [&](const ExamPublicKey& to, const TaggedAttempt& who) {
        return SealedLine("{}", to, StudentTag(to, who), ChainLink(QByteArray())) + '\n';
    };
    const auto plain = [](const QString& sha, const char* student, const char* more = "") {
        return R"({"bank":{"sha256":")" + sha.toLatin1() + R"("},"student":{)" + student + "}" +
               more + "}\n";
    };
    const char* ivan12 = R"("name":"Иван Петров","class":"7б","number":"12")";
    const QByteArray lines =
        plain(bank, ivan12) +
        // the class in capitals and the name in lower case, left early
        plain(bank, R"("name":"иван петров","class":"7Б","number":"12")", R"(,"abandoned":true)") +
        plain(otherBank, ivan12) +
        // a namesake chosen from the class list
        plain(bank, R"("name":"Иван Петров","class":"7б","number":"3","listed":true)") +
        "not a record\n" + sealed(key, {ivan, KnownBy::Name, bank, false}) +
        sealed(key, {ivan, KnownBy::Name, bank, true}) +
        sealed(key, {ivan, KnownBy::Name, otherBank, false}) +
        sealed(key, {{"Ана", "7б", "1"}, KnownBy::Name, bank, false}) +
        sealed(other, {ivan, KnownBy::Name, bank, false}) +
        sealed(key, {ivan, KnownBy::Number, bank, false});
    const QString results = dir.filePath("r.jsonl");
    WriteFileBytes(results, lines);

    const struct {
        const char* what;
        WhoseAttempts whose;
        AttemptsOnRecord expected;
    } cases[] = {
        {"typed, records plain and sealed", {bank, ivan, KnownBy::Name, key}, {4, 2}},
        {"typed, no key: the sealed ones are not known", {bank, ivan, KnownBy::Name, {}}, {2, 1}},
        {"from the class list, № 12", {bank, ivan, KnownBy::Number, key}, {1, 1}},
        {"from the class list, the namesake № 3",
         {bank, {"Иван Петров", "7б", "3"}, KnownBy::Number, key},
         {1, 1}},
        {"another bank", {otherBank, ivan, KnownBy::Name, key}, {2, 2}},
        {"a student with no record", {bank, {"Мария", "7б", ""}, KnownBy::Name, key}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AttemptsInResults(results, c.whose), c.expected) << c.what;
    EXPECT_EQ(AttemptsInResults(dir.filePath("none.jsonl"), cases[0].whose), AttemptsOnRecord{});
}
