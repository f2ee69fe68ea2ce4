// The exam's journal: written and read back whole, kept aside rather than
// lost, and how the next start follows from what it says.

#include "exam/exam_start.h"
#include "exam/held_lock.h"
#include "support/qt_printers.h"
#include "support/test_banks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const Student kIvan{"Иван Петров", "7б", "12"};

ExamFacts Facts(int attempts = 1) {
    return {
        .program = "1.0", .bankSha256 = QString(64, u'a'), .student = kIvan, .attempts = attempts};
}

Journal Kept(Journal::State state, int attempt, int graded, const QJsonObject& run) {
    Journal journal;
    journal.program = "1.0";
    journal.bankSha256 = QString(64, u'a');
    journal.student = kIvan;
    journal.attempt = attempt;
    journal.graded = graded;
    journal.state = state;
    journal.seed = 4000000000u;
    journal.timeLimit = 600;
    journal.timeUsed = 75;
    journal.run = run;
    return journal;
}

} // namespace

TEST(ExamJournal, IsReadBackAsWrittenAndWhatIsNotAJournalIsNamedNotGuessed) {
    QTemporaryDir dir;
    const QString path = JournalPath(dir.filePath("8a.jsonl"), QString(64, u'c'), kIvan);
    EXPECT_TRUE(path.startsWith(dir.filePath("8a.jsonl.cccccccccccc-")));
    EXPECT_NE(path, JournalPath(dir.filePath("8a.jsonl"), QString(64, u'c'),
                                Student{"Иван Петров", "7в", "12"}));
    EXPECT_TRUE(std::holds_alternative<NoJournal>(ReadJournal(path)));

    const Journal journal = Kept(Journal::State::Open, 2, 1, QJsonObject{{"x", 1}});
    ASSERT_EQ(WriteJournal(path, journal), std::nullopt);
    const JournalRead read = ReadJournal(path);
    ASSERT_TRUE(std::holds_alternative<Journal>(read));
    EXPECT_EQ(std::get<Journal>(read), journal);

    const QByteArray whole = JournalBytes(journal);
    for (const QByteArray& broken :
         {whole.left(whole.size() / 2), QByteArray(whole).replace("vorn-journal", "vorn-results"),
          QByteArray(whole).replace("\"state\": \"open\"", "\"state\": \"shut\""),
          QByteArray(whole).replace("\"graded\": 1", "\"graded\": 3")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(broken);
        file.close();
        EXPECT_TRUE(std::holds_alternative<UnreadableJournal>(ReadJournal(path)))
            << broken.left(60).toStdString();
    }
    // One window per student: a second start finds the lock busy until the
    // first is gone.
    {
        const HeldLock first(path + ".lock");
        ASSERT_TRUE(first.held());
        const HeldLock second(path + ".lock");
        EXPECT_TRUE(!second.held() && second.busy());
    }
    EXPECT_TRUE(HeldLock(path + ".lock").held());

    const auto aside = KeepJournalAside(path);
    ASSERT_TRUE(aside);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(*aside)) << "moved, never deleted";
}

TEST(ExamStart, FollowsFromTheJournal) {
    const BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    Attempt open = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 4));
    open.choose(1);
    open.moveForward();
    const QJsonObject run = open.toJson();
    Journal otherProgram = Kept(Journal::State::Open, 1, 0, run);
    otherProgram.program = "0.9";
    Journal otherClass = Kept(Journal::State::Graded, 1, 1, run);
    otherClass.student.className = "7в";
    QJsonObject misfit = run;
    misfit["current"] = 9;

    const struct {
        const char* what;
        JournalRead read;
        int attempts;
        // a start: the attempt and whether the run goes on; else refused
        std::optional<int> attempt;
        bool resumed, keepAside;
        bool mayStartAfresh;
    } cases[] = {
        {"none", NoJournal{}, 1, 1, false, false, false},
        {"open", Kept(Journal::State::Open, 1, 0, run), 1, 1, true, false, false},
        {"graded, 2 allowed", Kept(Journal::State::Graded, 1, 1, run), 2, 2, false, false, false},
        {"abandoned does not count", Kept(Journal::State::Abandoned, 1, 0, run), 1, 2, false, false,
         false},
        {"graded, 1 allowed", Kept(Journal::State::Graded, 1, 1, run), 1, std::nullopt, false,
         false, false},
        {"graded twice, from another version", Kept(Journal::State::Graded, 2, 2, run), 2,
         std::nullopt, false, false, false},
        {"open, from another version", otherProgram, 1, std::nullopt, false, false, true},
        {"another student's", otherClass, 3, std::nullopt, false, false, true},
        {"a run that does not fit", Kept(Journal::State::Open, 1, 0, misfit), 1, std::nullopt,
         false, false, true},
        {"unreadable", UnreadableJournal{"x"}, 1, 1, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto decided = DecideExamStart(c.read, bank, Facts(c.attempts));
        if (!c.attempt) {
            ASSERT_TRUE(std::holds_alternative<ExamRefusal>(decided));
            EXPECT_EQ(std::get<ExamRefusal>(decided).mayStartAfresh, c.mayStartAfresh);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<ExamStart>(decided))
            << std::get<ExamRefusal>(decided).message.toStdString();
        const ExamStart& start = std::get<ExamStart>(decided);
        EXPECT_EQ(start.journal.attempt, *c.attempt);
        EXPECT_EQ(start.run.has_value(), c.resumed);
        if (c.resumed) {
            EXPECT_EQ(*start.run, open);
        }
        EXPECT_EQ(start.keepOldAside, c.keepAside);
    }
    // Starting afresh over another version's open attempt goes on counting.
    const ExamStart fresh = FreshAttemptAfter(otherProgram, Facts());
    EXPECT_EQ(std::tuple(fresh.journal.attempt, fresh.keepOldAside, fresh.run.has_value()),
              std::tuple(2, true, false));
}
