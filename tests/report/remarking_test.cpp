// Marking again after a wrong key: corrected banks against records taken
// with the wrong key, and the marks a teacher works out by hand; questions
// voided; and the records left as they were.

#include "app/report_command.h"
#include "platform/exit_status.h"
#include "report/results_tally.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The bank the records were taken with: question 1's key "3" is wrong.
struct Asked {
    const char* id;
    const char* text;
    QStringList options;
    const char* key;
};
const Asked kRecorded[] = {
    {"sum", "Колко е 2 + 2?", {"3", "4", "5"}, "3"},
    {"capital", "Столицата на България?", {"София", "Пловдив", "Варна"}, "София"},
    {"even", "Четно ли е 8?", {"да", "не"}, "да"}};

// Each student's chosen option per question, in the records' order.
const QStringList kChosen[] = {
    {"4", "София", "да"},   // Ана: recorded 2/3, right by the corrected key 3/3
    {"3", "Пловдив", "да"}, // Борис: recorded 2/3, corrected 1/3
    {"4", "София", "не"},   // Вера: recorded 1/3, corrected 2/3
};
const char* const kNames[] = {"Ана", "Борис", "Вера"};

ResultRecord StudentRecord(int student, bool ids) {
    ResultRecord r;
    r.run.time = QDateTime(QDate(2024, 5, 14), QTime(9, student), Qt::UTC);
    r.run.user = QStringLiteral("u");
    r.run.host = QStringLiteral("h");
    r.run.program = QStringLiteral("1.0");
    r.run.bankSha256 = QString(64, u'b');
    r.bankTitle = QStringLiteral("Т");
    int score = 0;
    for (int q = 0; q < 3; ++q) {
        const QString chosen = kChosen[student][q];
        const bool right = chosen == QString::fromUtf8(kRecorded[q].key);
        score += right ? 1 : 0;
        r.questions.push_back({.number = q + 1,
                               .chosen = chosen,
                               .key = QString::fromUtf8(kRecorded[q].key),
                               .right = right,
                               .id = ids ? QString::fromUtf8(kRecorded[q].id) : QString()});
    }
    r.grade = GradeOf(score, 3);
    r.student = Student{QString::fromUtf8(kNames[student]), QStringLiteral("8а"), {}};
    r.attempt = 1;
    return r;
}

// The corrected bank: the records' bank with the key of "sum" set right,
// changed as `edit` says.
BankContent Corrected(const std::function<void(std::vector<Question>&)>& edit) {
    BankContent bank;
    for (const Asked& a : kRecorded)
        bank.questions.push_back({.text = QString::fromUtf8(a.text),
                                  .options = a.options,
                                  .key = QString::fromUtf8(a.key),
                                  .explanation = {},
                                  .picture = {},
                                  .id = QString::fromUtf8(a.id)});
    bank.questions[0].key = QStringLiteral("4");
    edit(bank.questions);
    return bank;
}

const auto kAsIs = [](std::vector<Question>&) {};

} // namespace

// The faults caught: marks left from the wrong key; a moved question scored
// against another's key; a bank with a question more taken for a correction;
// a chosen option that is no longer there scored as wrong instead of refused.
TEST(Remarking, CorrectedBanksMarkEveryAttemptAgainOrAreRefusedWithTheReason) {
    const struct {
        const char* name;
        BankContent bank;
        bool ids; // the records name their questions by id
        QStringList voided;
        std::vector<int> marks; // Ана, Борис, Вера, by hand; empty: refused
        const char* reason;     // a part of the reason for a refusal
    } cases[] = {
        {"key corrected", Corrected(kAsIs), true, {}, {600, 333, 467}, ""},
        {"texts' spelling corrected, an option nobody chose reworded",
         Corrected([](auto& qs) {
             qs[1].text = "Коя е столицата на България?";
             qs[1].options[2] = "гр. Варна";
         }),
         true,
         {},
         {600, 333, 467},
         ""},
        {"questions moved, found by their ids",
         Corrected([](auto& qs) { std::rotate(qs.begin(), qs.begin() + 1, qs.end()); }),
         true,
         {},
         {600, 333, 467},
         ""},
        {"records without ids: a moved question is not found by its texts",
         Corrected([](auto& qs) {
             std::rotate(qs.begin(), qs.begin() + 1, qs.end());
             for (Question& q : qs)
                 q.id.clear();
         }),
         false,
         {},
         {},
         "ключът „3“ на въпрос 1 от записите не е сред отговорите му"},
        {"a question added",
         Corrected([](auto& qs) { qs.push_back(qs.back()); }),
         true,
         {},
         {},
         "в нея има 4 въпроса, а в банката на записите — 3; въпрос е добавен или махнат"},
        {"a chosen option reworded",
         Corrected([](auto& qs) { qs[1].options[1] = "гр. Пловдив"; }),
         true,
         {},
         {},
         "отговорът „Пловдив“ на въпрос 2 [capital] от записите не е сред отговорите му"},
        // Question 2 voided: Ана 2/2, Борис 1/2, Вера 1/2.
        {"key corrected, question 2 voided", Corrected(kAsIs), true, {"2"}, {600, 400, 400}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResultsTally tally({.marks = {},
                            .className = {},
                            .bank = c.bank,
                            .voided = c.voided,
                            .countAbandoned = {}});
        for (int s = 0; s < 3; ++s)
            tally.add(StudentRecord(s, c.ids));
        // Refused at the first record, or at the first that cannot be marked again.
        const QString told = tally.refusal().value_or(tally.bankMismatches().join("; "));
        EXPECT_EQ(told, QString::fromUtf8(c.reason));
        if (c.marks.empty()) continue;
        ASSERT_TRUE(tally.bankMatched());
        const BankFigures f = tally.figures().front();
        std::vector<int> marks;
        for (const char* name : kNames)
            for (const StudentFigures& s : f.students)
                if (s.who.name == QString::fromUtf8(name))
                    marks.push_back(s.first.mark->hundredths);
        EXPECT_EQ(marks, c.marks);
        ASSERT_EQ(f.keyChanges.size(), 1u);
        EXPECT_EQ(f.keyChanges[0].number, 1);
        EXPECT_EQ(f.keyChanges[0].was, "3");
        EXPECT_EQ(f.keyChanges[0].now, "4");
        EXPECT_EQ(f.voided.size(), c.voided.size());
        // A voided question is in no statistic.
        EXPECT_EQ(f.questions.size(), 3 - c.voided.size());
    }
}

// Through the command: the notes at the top, the records' file unchanged, and
// a later record that cannot be marked again refusing the whole report.
TEST(Remarking, TheCommandSaysWhatItChangedAndLeavesTheRecords) {
    QTemporaryDir dir;
    QFile records(dir.filePath("r.jsonl"));
    ASSERT_TRUE(records.open(QIODevice::WriteOnly));
    QByteArray bytes;
    for (int s = 0; s < 3; ++s)
        bytes += RecordLine(StudentRecord(s, false));
    records.write(bytes);
    records.close();
    QFile bank(dir.filePath("corrected.txt"));
    ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
    bank.write("Колко е 2 + 2?\nA. 3\nB. 4\nC. 5\nANSWER: B\n\n"
               "Столицата на България?\nA. София\nB. Пловдив\nC. Варна\nANSWER: A\n\n"
               "Четно ли е 8?\nA. да\nB. не\nANSWER: A\n");
    bank.close();

    const auto report = [&](const QStringList& voided) {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int status = ReportCommand({.files = {records.fileName()},
                                          .format = ReportFormat::Text,
                                          .output = {},
                                          .bank = bank.fileName(),
                                          .marks = {},
                                          .className = {},
                                          .voided = voided,
                                          .countAbandoned = false},
                                         o, e);
        return std::tuple{status, out, err};
    };
    const auto [status, out, err] = report({"3", "9"});
    EXPECT_EQ(status, kExitOk) << err.toStdString();
    EXPECT_TRUE(out.contains("Изключени въпроси (--void): 3; не влизат в резултатите, оценките и "
                             "статистиката.\nОценено наново по поправената банка; сменени "
                             "ключове: въпрос 1: „3“ → „4“.\n"))
        << out.toStdString();
    // Вера: question 1 right by the corrected key, question 2 right: 2/2.
    EXPECT_TRUE(out.contains("Вера: опити 1; 2/2 = 100%, оценка 6,00 Отличен"))
        << out.toStdString();
    EXPECT_TRUE(err.contains("--void: въпроси, каквито в записите няма: 9.")) << err.toStdString();
    ASSERT_TRUE(records.open(QIODevice::ReadOnly));
    EXPECT_EQ(records.readAll(), bytes);
    records.close();

    // A fourth record chose an option the corrected bank does not have.
    ResultRecord odd = StudentRecord(0, false);
    odd.questions.changed(2).chosen = QStringLiteral("може би");
    odd.questions.changed(2).right = false;
    odd.grade = GradeOf(1, 3); // "София" is still right
    ASSERT_TRUE(records.open(QIODevice::Append));
    records.write(RecordLine(odd));
    records.close();
    const auto [refused, none, why] = report({});
    EXPECT_EQ(refused, kExitRefused);
    EXPECT_TRUE(none.isEmpty());
    EXPECT_TRUE(why.contains("опитите не могат да се оценят наново: отговорът „може би“ на въпрос "
                             "3 от записите не е сред отговорите му."))
        << why.toStdString();
}
