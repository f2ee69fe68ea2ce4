// The exam's journal: written and read back whole, kept aside rather than
// lost, and how the next start follows from what it says.

#include "exam/exam_start.h"
#include "exam/held_lock.h"
#include "support/file_bytes.h"
#include "support/qt_printers.h"
#include "support/test_banks.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const Student kIvan{"Иван Петров", "7б", "12"};

ExamFacts Facts(int attempts = 1, AttemptsCounted counted = AttemptsCounted::All,
                Student student = kIvan, AttemptsOnRecord onRecord = {}) {
    return {.program = "1.0",
            .bankSha256 = QString(64, u'a'),
            .student = std::move(student),
            .attempts = attempts,
            .counted = counted,
            .knownBy = KnownBy::Name,
            .onRecord = onRecord};
}

JournalKey TestKey(unsigned char fill) {
    JournalKey key;
    key.bytes.fill(fill);
    return key;
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
    journal.since = QDateTime(QDate(2026, 5, 12), QTime(8, 1), Qt::UTC);
    return journal;
}

} // namespace

TEST(ExamJournal, IsReadBackAsWrittenAndWhatIsNotAJournalIsNamedNotGuessed) {
    QTemporaryDir dir;
    const QString path = JournalPath(dir.filePath("8a.jsonl"), QString(64, u'c'), kIvan);
    EXPECT_TRUE(path.startsWith(dir.filePath("8a.jsonl.cccccccccccc-")));
    EXPECT_NE(path, JournalPath(dir.filePath("8a.jsonl"), QString(64, u'c'),
                                Student{"Иван Петров", "7в", "12"}));
    const JournalKey key = TestKey(1);
    EXPECT_TRUE(std::holds_alternative<NoJournal>(ReadJournal(path, key)));

    const Journal journal = Kept(Journal::State::Open, 2, 1, QJsonObject{{"x", 1.5}});
    ASSERT_EQ(WriteJournal(path, journal, key), std::nullopt);
    const JournalRead read = ReadJournal(path, key);
    ASSERT_TRUE(std::holds_alternative<Journal>(read));
    EXPECT_EQ(std::get<Journal>(read), journal);

    // Broken, or whole but not signed with this account's key: the MAC fails
    // for every one, and the first four do not even read as a journal.
    const QByteArray whole = JournalBytes(journal, key);
    const struct {
        QByteArray bytes;
        bool parses;
    } cases[] = {
        {whole.left(whole.size() / 2), false},
        {QByteArray(whole).replace("vorn-journal", "vorn-results"), false},
        {QByteArray(whole).replace("\"state\": \"open\"", "\"state\": \"shut\""), false},
        {QByteArray(whole).replace("\"graded\": 1", "\"graded\": 3"), false},
        {QByteArray(whole).replace("\"timeUsed\": 75", "\"timeUsed\": 5"), true},
        {QByteArray(whole).replace("\"timeLimit\": 600", "\"timeLimit\": 18000"), true},
        {JournalBytes(journal, TestKey(2)), true}, // another account's
        {JournalBytes(journal), true},             // no MAC at all
    };
    for (const auto& c : cases) {
        WriteFileBytes(path, c.bytes);
        EXPECT_TRUE(std::holds_alternative<UnreadableJournal>(ReadJournal(path, key)))
            << c.bytes.left(60).toStdString();
        EXPECT_EQ(std::holds_alternative<Journal>(JournalFromBytes(c.bytes)), c.parses);
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
        {"abandoned, 2 allowed", Kept(Journal::State::Abandoned, 1, 0, run), 2, 2, false, false,
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
        // Every attempt keeps when the student's first journal was made.
        if (const auto* kept = std::get_if<Journal>(&c.read)) {
            EXPECT_EQ(start.journal.since, kept->since);
        }
    }
    // Starting afresh over another version's open attempt goes on counting.
    const ExamStart fresh = FreshAttemptAfter(otherProgram, Facts());
    EXPECT_EQ(std::tuple(fresh.journal.attempt, fresh.keepOldAside, fresh.run.has_value()),
              std::tuple(2, true, false));
}

// A student can open the journal: once graded, it must not tell which option
// was the key, which answers were right, or the score.
TEST(ExamJournal, HoldsNoKeyJudgementOrScore) {
    BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::WithQuestion});
    for (Question& question : bank.questions) {
        question.key = "ключ " + question.options[0];
        question.options[0] = question.key;
    }
    Attempt run = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 5));
    run.choose(0); // identity orders: slot 0 shows the key
    run.moveForward();
    run.choose(2);
    run.gradeNow();
    const QByteArray bytes = JournalBytes(Kept(Journal::State::Graded, 1, 1, run.toJson()));
    for (const char* secret : {"ключ", "\"right\"", "\"wrong\"", "judgement", "\"score\"",
                               "percent", "\"grade\"", "answered", "checkAnswers", "verdict"})
        EXPECT_FALSE(bytes.contains(secret)) << secret;
}

// A journal the player wrote before it left the judgements out: a student in
// the middle of an exam goes on with it. Its judgements must still agree with
// the choices, or it is refused as before.
TEST(ExamJournal, AnOldJournalWithJudgementsStillResumes) {
    const BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    Attempt open = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 4));
    open.choose(0); // position 0 asks question 4; option "4-1" is its key
    QJsonObject old = open.toJson();
    old["version"] = 1;
    old["judgements"] = QJsonArray{"right", "unanswered", "unanswered", "unanswered"};
    old["answered"] = 1;
    old["checkAnswers"] = QJsonObject{{"first", QJsonValue()}, {"last", "4-1"}};
    old["grade"] = QJsonValue();
    QJsonObject journal =
        QJsonDocument::fromJson(JournalBytes(Kept(Journal::State::Open, 1, 0, old))).object();
    journal["version"] = 1;

    const auto read = JournalFromBytes(QJsonDocument(journal).toJson());
    ASSERT_TRUE(std::holds_alternative<Journal>(read));
    const auto resumed = DecideExamStart(std::get<Journal>(read), bank, Facts());
    ASSERT_TRUE(std::holds_alternative<ExamStart>(resumed))
        << std::get<ExamRefusal>(resumed).message.toStdString();
    EXPECT_EQ(std::get<ExamStart>(resumed).run, open);

    old["judgements"] = QJsonArray{"wrong", "unanswered", "unanswered", "unanswered"};
    EXPECT_TRUE(std::holds_alternative<ExamRefusal>(
        DecideExamStart(Kept(Journal::State::Open, 1, 0, old), bank, Facts())))
        << "a judgement the choice does not give";
}

// Leaving before grading, retyping the class in capitals or with blanks:
// neither gives a fresh run with new questions and the full time.
TEST(ExamStart, LeavingOrRetypingNeverGivesAFreshRun) {
    const BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    Attempt left = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 4));
    left.choose(1);
    left.moveForward();
    const QJsonObject run = left.toJson();
    const Student retyped{"иван  ПЕТРОВ", "7Б", ""};
    using S = Journal::State;
    constexpr auto All = AttemptsCounted::All, Graded = AttemptsCounted::Graded;

    const QString usedUp =
        "Този тест вече е оценен 1 път за Иван Петров, 7б № 12, а разрешените опити са 1.";
    const struct {
        const char* what;
        JournalRead journal;
        ExamFacts facts;
        QString refusal; // empty: a start
        int attempt;
        bool resumed;
    } cases[] = {
        {"left, counted, 1 allowed", Kept(S::Abandoned, 1, 0, run), Facts(1, All),
         "Този тест вече е решаван 1 път за Иван Петров, 7б № 12 (оценен 0 пъти, прекъснат 1 "
         "път), а разрешените опити са 1.",
         0, false},
        {"left twice, counted, 3 allowed", Kept(S::Abandoned, 2, 0, run), Facts(3, All), "", 3,
         false},
        {"left, only graded counted", Kept(S::Abandoned, 1, 0, run), Facts(1, Graded), "", 1, true},
        {"left after a graded one, only graded counted", Kept(S::Abandoned, 2, 1, run),
         Facts(2, Graded), "", 2, true},
        {"graded after a left one, only graded counted", Kept(S::Graded, 2, 1, run),
         Facts(1, Graded),
         "Този тест вече е оценен 1 път за Иван Петров, 7б № 12, а разрешените опити са 1.", 0,
         false},
        {"graded, the class in capitals and the name in lower case", Kept(S::Graded, 1, 1, run),
         Facts(1, All, retyped),
         "Този тест вече е оценен 1 път за иван  ПЕТРОВ, 7Б, а разрешените опити са 1.", 0, false},
        {"open, retyped", Kept(S::Open, 1, 0, run), Facts(1, All, retyped), "", 1, true},
        // The results file remembers what the journal no longer does.
        {"deleted after grading", NoJournal{}, Facts(1, All, kIvan, {1, 1}), usedUp, 0, false},
        {"spoilt after leaving, 2 allowed", UnreadableJournal{"x"}, Facts(2, All, kIvan, {1, 0}),
         "", 2, false},
        {"an older open copy put back after grading", Kept(S::Open, 1, 0, run),
         Facts(1, All, kIvan, {1, 1}), usedUp, 0, false},
        {"an older open copy put back after leaving, 2 allowed", Kept(S::Open, 1, 0, run),
         Facts(2, All, kIvan, {1, 0}), "", 2, false},
        {"an older paused copy put back after grading", Kept(S::Abandoned, 1, 0, run),
         Facts(1, Graded, kIvan, {2, 1}), usedUp, 0, false},
        {"paused, the pause on record, only graded counted", Kept(S::Abandoned, 1, 0, run),
         Facts(1, Graded, kIvan, {1, 0}), "", 1, true},
        {"open again after a pause, only graded counted", Kept(S::Open, 1, 0, run),
         Facts(1, Graded, kIvan, {1, 0}), "", 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto decided = DecideExamStart(c.journal, bank, c.facts);
        if (!c.refusal.isEmpty()) {
            ASSERT_TRUE(std::holds_alternative<ExamRefusal>(decided));
            EXPECT_EQ(std::get<ExamRefusal>(decided).message, c.refusal);
            EXPECT_FALSE(std::get<ExamRefusal>(decided).mayStartAfresh);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<ExamStart>(decided))
            << std::get<ExamRefusal>(decided).message.toStdString();
        const ExamStart& start = std::get<ExamStart>(decided);
        EXPECT_EQ(start.journal.attempt, c.attempt);
        ASSERT_EQ(start.run.has_value(), c.resumed);
        if (!c.resumed) continue;
        EXPECT_EQ(*start.run, left) << "the same questions, options and answers";
        EXPECT_EQ(std::tuple(start.journal.state, start.journal.timeUsed, start.journal.timeLimit),
                  std::tuple(S::Open, 75, std::optional(600)))
            << "the time used so far is kept";
    }
    // One journal, whatever the spelling of class and name.
    const QString sha(64, u'c');
    EXPECT_EQ(JournalPath("r", sha, kIvan), JournalPath("r", sha, retyped));
    EXPECT_EQ(JournalPath("r", sha, {"Ана", "8а", ""}), JournalPath("r", sha, {"Ана", "8A", ""}))
        << "a Latin capital A";
    EXPECT_EQ(JournalPath("r", sha, {"Ана", "8а", ""}),
              JournalPath("r", sha, {" Ана ", " 8а", ""}));
    EXPECT_NE(JournalPath("r", sha, {"Ана", "8а", ""}), JournalPath("r", sha, {"Ана", "8б", ""}));
}

// Catches: the second of two namesakes in a class, chosen from the class
// list, sent to the first one's journal and refused as having done the test.
TEST(ExamStart, NamesakesFromAClassListAreTwoStudents) {
    const BankContent bank = test::MakeBank({.questions = 4, .check = CheckMode::Off});
    const Attempt graded = test::StartAttempt(bank, test::StepThenIdentity(0.1f, 4));
    const Student namesake{"Иван Петров", "7б", "3"};
    const QString sha(64, u'c');
    EXPECT_NE(JournalPath("r", sha, kIvan, KnownBy::Number),
              JournalPath("r", sha, namesake, KnownBy::Number));
    EXPECT_EQ(JournalPath("r", sha, kIvan), JournalPath("r", sha, namesake)) << "typed names";
    // Were the first one's graded journal found all the same, it is not his.
    ExamFacts facts = Facts(1, AttemptsCounted::All, namesake);
    facts.knownBy = KnownBy::Number;
    const auto decided =
        DecideExamStart(Kept(Journal::State::Graded, 1, 1, graded.toJson()), bank, facts);
    ASSERT_TRUE(std::holds_alternative<ExamRefusal>(decided));
    EXPECT_EQ(std::get<ExamRefusal>(decided).message,
              QStringLiteral("Дневникът е на Иван Петров, 7б № 12."));
    EXPECT_TRUE(std::get<ExamRefusal>(decided).mayStartAfresh);
    const ExamStart fresh =
        FreshAttemptAfter(Kept(Journal::State::Graded, 1, 1, graded.toJson()), facts);
    EXPECT_EQ(std::tuple(fresh.journal.attempt, fresh.journal.graded, fresh.journal.student),
              std::tuple(1, 0, namesake));
}
