// `--scan` and `--scan-decide` as a teacher runs them without a display:
// printed sheets filled in and scanned, the clear ones recorded at once and
// once only, the doubtful one left for the teacher and recorded from the
// decisions file exactly as decided.

#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "paper/sheet_marking.h"
#include "print/sheet_painter.h"
#include "record/record_parsing.h"
#include "review/scan_command.h"
#include "support/synthetic_scan.h"
#include "support/test_banks.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

constexpr double kScanDpi = 150;

struct ScanOutcome {
    int status = -1;
    QString out, err;
};

template <typename Command, typename Request>
ScanOutcome RanCommand(Command command, const Request& request) {
    ScanOutcome o;
    QTextStream out(&o.out), err(&o.err);
    o.status = command(request, out, err);
    return o;
}

std::vector<ResultRecord> RecordsIn(const QString& path) {
    std::vector<ResultRecord> records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return records;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (auto record = ParseRecordLine(line)) records.push_back(*record);
    return records;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Paper {
    QTemporaryDir dir;
    LoadedBank bank;
    QString bankPath = dir.filePath("тест.vorn.json");
    QString results = dir.filePath("резултати.jsonl");

    Paper() {
        BankContent content = test::MakeBank({.questions = 3, .optionCounts = {2, 3, 4}});
        for (Question& question : content.questions)
            question.picture = {}; // the test's pictures are no images
        EXPECT_FALSE(ExportBank(content, bankPath));
        bank = LoadBankFile(bankPath);
    }

    // A sheet of variant seed `seed` with every row's key filled in, but row
    // `tick` (when given) only ticked; its scan saved as `name`. With
    // `classNumber`, a blank sheet (no student printed) with that number
    // marked in its bubbles.
    QString Sheet(const QString& name, std::uint32_t seed, const QString& id,
                  std::optional<int> tick = {}, std::optional<int> classNumber = {}) {
        VariantRuns runs(bank.content);
        const Attempt& run = runs.of(seed);
        SheetContent content{"Т",
                             1,
                             {BankPrefix(BankSha256(bank.content)), 1, seed, id,
                              Student{"Ана <Петрова>", "5а", "1"}},
                             runs.optionCounts(seed)};
        test::StudentMarks marks;
        for (int p = 0; p < run.questionCount(); ++p) {
            std::vector<test::MarkKind> row(
                static_cast<std::size_t>(content.optionCounts[static_cast<std::size_t>(p)]),
                test::MarkKind::None);
            row[static_cast<std::size_t>(*run.keySlot(run.questionAt(p)))] =
                p == tick ? test::MarkKind::Tick : test::MarkKind::Filled;
            marks.rows.push_back(row);
        }
        if (classNumber) {
            content.code.student.reset();
            for (const int digit : {*classNumber / 10, *classNumber % 10}) {
                marks.numberColumns.emplace_back(10, test::MarkKind::None);
                marks.numberColumns.back()[static_cast<std::size_t>(digit)] =
                    test::MarkKind::Filled;
            }
        }
        const auto scan =
            test::MakeSyntheticScan(RenderSheet(content, kScanDpi), kScanDpi, marks, {}, seed);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(scan.image.save(path));
        return path;
    }
};

} // namespace

TEST(ScanCommand, ClearSheetsAreRecordedOnceAndADoubtfulOneOnlyAsDecided) {
    Paper paper;
    const QString a = paper.Sheet("a.png", 5, "0badcafe-1");
    const QString b = paper.Sheet("b.png", 6, "0badcafe-2", 1);
    const QString review = paper.dir.filePath("преглед.html");
    const ScanOutcome scanned =
        RanCommand(ScanCommand, ScanRequest{{a, b, a, b}, paper.bankPath, paper.results, review});
    EXPECT_EQ(scanned.status, 0) << scanned.err.toStdString();
    EXPECT_TRUE(scanned.out.contains("листът 0badcafe-1 вече е записан"));
    EXPECT_TRUE(scanned.out.contains("листът 0badcafe-2 вече е за преглед"))
        << "a doubtful sheet scanned twice is reviewed once";
    EXPECT_TRUE(
        scanned.out.endsWith("записани: 1, вече записани: 2, за преглед: 1, нечетливи: 0\n"))
        << scanned.out.toStdString();
    auto records = RecordsIn(paper.results);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].paper, (PaperOrigin{1, "0badcafe-1", a + "#1"}));
    EXPECT_EQ(records[0].grade.score, records[0].grade.total) << "every key was filled in";
    EXPECT_EQ(records[0].student, (Student{"Ана <Петрова>", "5а", "1"}));

    const QString decisions = paper.dir.filePath("преглед.txt");
    const QString page = ReadText(review);
    EXPECT_TRUE(page.contains("data:image/png;base64,"));
    EXPECT_TRUE(page.contains("Ана &lt;Петрова&gt;")) << "the student's name escaped";
    EXPECT_FALSE(page.contains("<Петрова>"));
    const QString open = ReadText(decisions);
    ASSERT_TRUE(
        open.contains(QRegularExpression("^0badcafe-2 2 \\?", QRegularExpression::MultilineOption)))
        << open.toStdString();

    const ScanDecideRequest decide{decisions, paper.bankPath, paper.results};
    const ScanOutcome undecided = RanCommand(ScanDecideCommand, decide);
    EXPECT_EQ(undecided.status, 1);
    EXPECT_TRUE(undecided.err.contains("все още е „?“")) << undecided.err.toStdString();
    EXPECT_EQ(RecordsIn(paper.results).size(), 1u) << "nothing recorded while a row is open";

    // The tick was on the key: the teacher decides it was meant.
    VariantRuns runs(paper.bank.content);
    const Attempt& run = runs.of(6);
    const QChar key(u'A' + *run.keySlot(run.questionAt(1)));
    QFile file(decisions);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString(open).replace("0badcafe-2 2 ?", QString("0badcafe-2 2 ") + key).toUtf8());
    file.close();
    const ScanOutcome decided = RanCommand(ScanDecideCommand, decide);
    EXPECT_EQ(decided.status, 0) << decided.err.toStdString();
    EXPECT_TRUE(
        decided.out.endsWith("записани: 1, вече записани: 0, за преглед: 0, нечетливи: 0\n"))
        << decided.out.toStdString();
    records = RecordsIn(paper.results);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].paper, (PaperOrigin{1, "0badcafe-2", b + "#1"}));
    EXPECT_EQ(records[1].run.seed, 6u);
    EXPECT_EQ(records[1].grade.score, records[1].grade.total);

    const ScanOutcome again = RanCommand(ScanDecideCommand, decide);
    EXPECT_TRUE(again.out.contains("листът 0badcafe-2 вече е записан"));
    EXPECT_EQ(RecordsIn(paper.results).size(), 2u) << "a decided sheet is recorded once";
}

TEST(ScanCommand, APageThatIsNoSheetIsNamedAndNothingIsRecorded) {
    Paper paper;
    QImage white(600, 800, QImage::Format_Grayscale8);
    white.fill(255);
    const QString blank = paper.dir.filePath("празна <b>&.png");
    ASSERT_TRUE(white.save(blank));
    const ScanOutcome scanned =
        RanCommand(ScanCommand, ScanRequest{{blank}, paper.bankPath, paper.results, {}});
    EXPECT_EQ(scanned.status, 0) << scanned.err.toStdString();
    EXPECT_TRUE(scanned.out.contains("записани: 0, вече записани: 0, за преглед: 0, нечетливи: 1"))
        << scanned.out.toStdString();
    EXPECT_TRUE(RecordsIn(paper.results).empty());
    const QString page = ReadText(paper.results + ".преглед.html");
    EXPECT_TRUE(page.contains("Непрочетени страници"));
    EXPECT_TRUE(page.contains("празна &lt;b&gt;&amp;.png")) << "the file's name escaped";
    EXPECT_FALSE(page.contains("<b>&"));
}

// A blank sheet is photocopied for the class: every copy carries the same id,
// and only the number each student marked tells them apart. Counting copies
// as one sheet would drop all but the first student's answers.
TEST(ScanCommand, CopiesOfABlankSheetAreEachStudentsAndEachIsRecordedOnce) {
    Paper paper;
    const QString id = "0badcafe-3";
    const QString pupil7 = paper.Sheet("7.png", 5, id, {}, 7);
    const QString pupil12 = paper.Sheet("12.png", 5, id, {}, 12);
    const QString pupil12Doubtful = paper.Sheet("12-tick.png", 5, id, 1, 12);
    const QString pupil15Doubtful = paper.Sheet("15-tick.png", 5, id, 1, 15);
    const QString review = paper.dir.filePath("преглед.html");
    const ScanOutcome scanned = RanCommand(
        ScanCommand, ScanRequest{{pupil7, pupil12, pupil12, pupil12Doubtful, pupil15Doubtful},
                                 paper.bankPath,
                                 paper.results,
                                 review});
    EXPECT_EQ(scanned.status, 0) << scanned.err.toStdString();
    EXPECT_TRUE(
        scanned.out.endsWith("записани: 2, вече записани: 2, за преглед: 1, нечетливи: 0\n"))
        << "the second scan of number 12 and its ticked copy are the recorded sheet; 15 waits: "
        << scanned.out.toStdString();
    const auto records = RecordsIn(paper.results);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].student->number, "7");
    EXPECT_EQ(records[1].student->number, "12");
    EXPECT_NE(StudentIdentity(*records[0].student), StudentIdentity(*records[1].student));
}
