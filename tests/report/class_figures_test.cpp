// The figures a teacher acts on, from records counted by the tally: abandoned
// attempts apart, the class's average mark, flags that respect a small
// sample, and the students near a mark's boundary, checked against
// tests/report/moodle_statistics.py ("ten questions").

#include "report/class_marks.h"
#include "report/report_charts.h"
#include "report/results_report.h"
#include "report/results_tally.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

// A record of bank "a": per question the letter chosen ('-' unanswered) of
// options "A", "B", ...; the key is the letter in `key`.
ResultRecord Record(const QString& name, const QString& group, int attempt, const QString& key,
                    const QString& answers, bool abandoned = false) {
    ResultRecord r;
    r.run.time = QDateTime(QDate(2024, 5, 14), QTime(9, attempt), Qt::UTC);
    r.run.user = QStringLiteral("u");
    r.run.bankSha256 = QString(64, u'a');
    r.bankTitle = QStringLiteral("Т");
    int score = 0;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        const bool right = answers[i] == key[i];
        score += right ? 1 : 0;
        r.questions.push_back(
            {.number = static_cast<int>(i) + 1,
             .chosen = answers[i] == u'-' ? std::nullopt : std::optional<QString>(answers[i]),
             .key = key.mid(i, 1),
             .right = right,
             .id = {}});
    }
    r.grade = GradeOf(score, static_cast<int>(answers.size()));
    r.student = Student{name, group, {}};
    r.attempt = attempt;
    r.abandoned = abandoned;
    return r;
}

BankFigures Figures(const std::vector<ResultRecord>& records, bool countAbandoned = false) {
    ResultsTally tally(
        {.marks = {}, .className = {}, .bank = {}, .voided = {}, .countAbandoned = countAbandoned});
    for (const ResultRecord& r : records)
        tally.add(r);
    return tally.figures().front();
}

const StudentFigures& Named(const BankFigures& bank, const QString& name) {
    for (const StudentFigures& s : bank.students)
        if (s.who.name == name) return s;
    throw std::runtime_error("no such student");
}

} // namespace

// The fault caught: a chosen text in memory of its own, as every record read
// on another thread brings it, was taken for an option of its own. Record()
// makes each text anew, and it is freed with its record.
TEST(ClassFigures, OptionsAreToldByTheirTextsWhereverTheyLie) {
    ResultsTally tally({.marks = {}, .className = {}, .bank = {}, .voided = {}});
    int attempt = 0;
    for (const QChar chosen : QStringLiteral("BBCB"))
        tally.add(Record("Ана", "8а", ++attempt, "A", chosen));
    const std::vector<BankFigures> banks = tally.figures();
    QStringList options;
    for (const OptionFigures& option : banks.front().questions.front().options)
        options.append(option.text);
    EXPECT_EQ(options, QStringList({"A", "B", "C"}));
}

// The fault caught: an abandoned attempt got a mark ("Слаб" in the histogram
// and the average) and its percentage pulled the class's mean down.
TEST(ClassFigures, AbandonedAttemptsAreCountedApartUnlessAskedToCount) {
    const QString key = "AAAA";
    const std::vector<ResultRecord> records{
        Record("Ана", "8а", 1, key, "AB--", true), Record("Ана", "8а", 2, key, "AAAA"),
        Record("Борис", "8а", 1, key, "AABB"), Record("Вера", "8б", 1, key, "A---", true),
        Record("Гошо", "8б", 1, key, "AAAB")};
    const struct {
        bool countAbandoned;
        int attempts, meanTenths, medianTenths, statisticsStudents, average;
        std::array<int, 5> counts;
        std::optional<int> anaFirstMark, veraMark;
    } cases[] = {
        // 100, 50 and 75 %: marks 6, 4 and 5; Вера has none.
        {false, 3, 750, 750, 3, 500, {0, 0, 1, 1, 1}, std::nullopt, std::nullopt},
        // 25, 100, 50, 25, 75 %: Ана's and Вера's first attempts give 3,00.
        {true, 5, 550, 500, 4, 375, {0, 2, 1, 1, 0}, 300, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.countAbandoned);
        const BankFigures f = Figures(records, c.countAbandoned);
        EXPECT_EQ(f.attempts, c.attempts);
        EXPECT_EQ(f.abandoned, 2);
        EXPECT_EQ(f.meanTenths, c.meanTenths);
        EXPECT_EQ(f.medianTenths, c.medianTenths);
        EXPECT_EQ(f.test.students, c.statisticsStudents);
        ASSERT_TRUE(f.marks.average);
        EXPECT_EQ(f.marks.average->hundredths, c.average);
        EXPECT_EQ(f.marks.counts, c.counts);
        const StudentFigures& ana = Named(f, "Ана");
        EXPECT_EQ(ana.abandoned, 1);
        EXPECT_EQ(ana.first.mark ? std::optional<int>(ana.first.mark->hundredths) : std::nullopt,
                  c.anaFirstMark);
        const StudentFigures& vera = Named(f, "Вера");
        EXPECT_EQ(vera.marked && vera.marked->mark
                      ? std::optional<int>(vera.marked->mark->hundredths)
                      : std::nullopt,
                  c.veraMark);
    }
    // Every attempt abandoned: nothing to average, and no division by zero.
    const BankFigures none = Figures({Record("Вера", "8б", 1, key, "A---", true)});
    EXPECT_EQ(none.attempts, 0);
    EXPECT_FALSE(none.marks.average);
    EXPECT_TRUE(ReportText({none}).contains("без оценка"));
}

// The fault caught: an average of marks rounded otherwise than a mark is
// (4,495 must be 4,50 "Много добър"), or a class's line mixing classes.
TEST(ClassFigures, TheAverageMarkIsRoundedHalfUpAndGivenPerClass) {
    const struct {
        long long sum;
        int count;
        int hundredths;
        const char* word;
    } averages[] = {{300 + 400 + 400, 3, 367, "Добър"},
                    {449 + 450, 2, 450, "Много добър"},
                    {200 + 349, 2, 275, "Слаб"},
                    {600, 1, 600, "Отличен"}};
    for (const auto& a : averages) {
        const auto mark = AverageMark(a.sum, a.count);
        ASSERT_TRUE(mark);
        EXPECT_EQ(mark->hundredths, a.hundredths) << a.sum;
        EXPECT_EQ(mark->word, QString::fromUtf8(a.word)) << a.sum;
    }
    EXPECT_FALSE(AverageMark(0, 0));

    const QString key = "AAAA";
    const BankFigures f =
        Figures({Record("Ана", "8а", 1, key, "AAAA"), Record("Борис", "8а", 1, key, "AABB"),
                 Record("Гошо", "8б", 1, key, "AAAB")});
    ASSERT_EQ(f.classes.size(), 2u);
    EXPECT_EQ(f.classes[0].className, "8а");
    EXPECT_EQ(f.classes[0].average->hundredths, 500); // 6,00 and 4,00
    EXPECT_EQ(f.classes[0].counts, (std::array<int, 5>{0, 0, 1, 0, 1}));
    EXPECT_EQ(f.classes[1].average->hundredths, 500);
    EXPECT_EQ(f.classes[1].students, 1);
    EXPECT_TRUE(ReportText({f}).contains("Среден успех: 5,00 Много добър (ученици с оценка: 3)"));
    // One class: its line would only repeat everyone's.
    EXPECT_TRUE(Figures({Record("Ана", "8а", 1, key, "AAAA")}).classes.empty());
    // Students who gave no class have a line of their own, not everyone's.
    const BankFigures unclassed =
        Figures({Record("Ана", "8а", 1, key, "AAAA"), Record("Гошо", "", 1, key, "AAAB")});
    ASSERT_EQ(unclassed.classes.size(), 2u);
    for (const MarkSummary& line : unclassed.classes) {
        EXPECT_EQ(line.students, 1) << line.className.toStdString();
        EXPECT_EQ(line.average->hundredths, line.className.isEmpty() ? 500 : 600);
    }
}

// The fault caught: the report told classes and students apart by their
// spelling, where the exam does not: "8А" and "8а" had a class line each, a
// student who typed the class or the name otherwise had two first attempts,
// and --class 8а left out the records spelt "8А".
TEST(ClassFigures, ClassesAndStudentsAreOneWhateverTheirSpelling) {
    const QString key = "AAAA";
    // " 8a " and "8A" are spelt with Latin letters.
    std::vector<ResultRecord> records{
        Record("Ана", "8А", 1, key, "AAAA"), Record("Ана", "8а", 2, key, "AAAB"),
        Record("Борис", " 8a ", 1, key, "AABB"), Record("борис", "8A", 2, key, "AAAA"),
        Record("Вера", "8Б", 1, key, "ABBB")};
    // The numbers are left out the first time.
    records[1].student->number = "3";
    records[3].student->number = "5";
    struct Row {
        QString className, name, number;
        int attempts, firstPercent;
    };
    struct ClassLine {
        QString className;
        int students, averageHundredths;
    };
    const Row ana{"8А", "Ана", "3", 2, 100}, boris{"8А", "Борис", "5", 2, 50},
        vera{"8Б", "Вера", "", 1, 25};
    const struct {
        QString className; // --class
        int counted;
        std::vector<Row> students;
        std::vector<ClassLine> classes; // none for a single class
    } cases[] = {
        // Marks of the first attempts: 6,00 and 4,00 in 8А, 3,00 in 8Б.
        {"", 5, {ana, boris, vera}, {{"8А", 2, 500}, {"8Б", 1, 300}}},
        {"8a", 4, {ana, boris}, {}},
        {" 8б ", 1, {vera}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className.toStdString());
        ResultsTally tally({.marks = {},
                            .className = c.className,
                            .bank = {},
                            .voided = {},
                            .countAbandoned = false});
        for (const ResultRecord& r : records)
            tally.add(r);
        EXPECT_EQ(tally.counted(), c.counted);
        EXPECT_EQ(tally.classesSeen(), (QStringList{"8А", "8Б"}));
        const BankFigures f = tally.figures().front();
        ASSERT_EQ(f.students.size(), c.students.size());
        for (std::size_t i = 0; i < f.students.size(); ++i) {
            const StudentFigures& s = f.students[i];
            EXPECT_EQ(s.who.className, c.students[i].className);
            EXPECT_EQ(s.who.name, c.students[i].name);
            EXPECT_EQ(s.who.number, c.students[i].number);
            EXPECT_EQ(s.attempts, c.students[i].attempts);
            EXPECT_EQ(s.first.grade.percent, c.students[i].firstPercent);
        }
        ASSERT_EQ(f.classes.size(), c.classes.size());
        for (std::size_t i = 0; i < f.classes.size(); ++i) {
            EXPECT_EQ(f.classes[i].className, c.classes[i].className);
            EXPECT_EQ(f.classes[i].students, c.classes[i].students);
            ASSERT_TRUE(f.classes[i].average);
            EXPECT_EQ(f.classes[i].average->hundredths, c.classes[i].averageHundredths);
        }
    }
}

// The fault caught: five students' discrimination flagged right keys as
// wrong. Question 1 is answered right by the weaker half only, so its
// discrimination is -100; question 4's key nobody chose.
TEST(ClassFigures, FlagsRestingOnCorrelationsWaitForThirtyAttempts) {
    const auto flagged = [](const QuestionFigures& q, FlagKind kind) {
        return std::any_of(q.flags.begin(), q.flags.end(),
                           [kind](const QuestionFlag& f) { return f.kind == kind; });
    };
    for (const int students : {kSmallSample - 2, kSmallSample}) {
        SCOPED_TRACE(students);
        std::vector<ResultRecord> records;
        for (int i = 0; i < students; ++i)
            records.push_back(Record(QString::number(i), "8а", 1, "AAAA",
                                     i % 2 ? QStringLiteral("ABBB") : QStringLiteral("BAAB")));
        const BankFigures f = Figures(records);
        const auto question = [&f](int number) {
            return *std::find_if(f.questions.begin(), f.questions.end(),
                                 [number](const QuestionFigures& q) { return q.number == number; });
        };
        const bool small = students < kSmallSample;
        ASSERT_TRUE(question(1).statistics.discrimination);
        EXPECT_NEAR(*question(1).statistics.discrimination, -100, 1e-9);
        EXPECT_EQ(flagged(question(1), FlagKind::NegativeDiscrimination), !small);
        EXPECT_TRUE(flagged(question(4), FlagKind::NobodyRight));
        EXPECT_TRUE(flagged(question(4), FlagKind::WrongAboveKey));
        EXPECT_EQ(ReportText({f}).contains("-100,00 (малка извадка)"), small);
    }
}

// Against moodle_statistics.py's "ten questions": its standard error of
// measurement is 11.24 %, and the students it finds near a boundary.
TEST(ClassFigures, StudentsWithinOneStandardErrorOfABoundaryAreMarked) {
    const QStringList answers{"AAAAAAAAAA", "AAAAAAAAAB", "AAAAAAABBB", "AAAAABBBBB", "AAAABBBBBB",
                              "AAABBBBBBB", "ABABABABAB", "BBBBBBBBBB", "AAAAAAAABB", "AAAAAABBBA"};
    const QString near = "0110110011";
    std::vector<ResultRecord> records;
    for (qsizetype i = 0; i < answers.size(); ++i)
        records.push_back(Record(QStringLiteral("у%1").arg(i, 2, 10, QLatin1Char('0')), "8а", 1,
                                 "AAAAAAAAAA", answers[i]));
    const BankFigures f = Figures(records);
    ASSERT_TRUE(f.test.standardError);
    EXPECT_NEAR(*f.test.standardError, 11.24, 0.005);
    for (qsizetype i = 0; i < answers.size(); ++i)
        EXPECT_EQ(Named(f, QStringLiteral("у%1").arg(i, 2, 10, QLatin1Char('0'))).nearBoundary,
                  near[i] == u'1')
            << answers[i].toStdString();
    // A teacher's own table moves the boundaries: 50 and 90 % are on them.
    EXPECT_EQ(MarkBoundaries(*ParseMarkScale("50,60,75,90")),
              (std::array<double, 4>{50, 60, 75, 90}));
    EXPECT_EQ(MarkBoundaries({}), (std::array<double, 4>{25, 37.5, 62.5, 87.5}));
}

// The faults caught: a question's line break shown as a literal "\r\n" on the
// page, and columns nothing fills ("Тото", "Последен опит") left empty.
TEST(ClassFigures, ThePageKeepsLineBreaksAndLeavesOutEmptyColumns) {
    EXPECT_EQ(HtmlLines("a\r\nb<c\nd\re"), "a<br>b&lt;c<br>d<br>e");
    const QString key = "AAAA";
    const auto page = [](const BankFigures& f) { return QString::fromUtf8(ReportHtml({f})); };
    const QString once = page(Figures({Record("Ана", "8а", 1, key, "AAAA")}));
    EXPECT_FALSE(once.contains("<th>Тото</th>"));
    EXPECT_FALSE(once.contains("<th>Последен опит</th>"));
    ResultRecord checked = Record("Ана", "8а", 1, key, "AAAA");
    checked.check = checked.questions.front();
    const QString twice = page(Figures({checked, Record("Ана", "8а", 2, key, "AAAB")}));
    EXPECT_TRUE(twice.contains("<th>Тото</th>"));
    EXPECT_TRUE(twice.contains("<th>Последен опит</th>"));
}
