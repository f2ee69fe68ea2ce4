// The decisions a teacher writes for the rows a scan left open: every open
// row must be decided, with a letter the row has, 0 or a class number, and
// nothing is taken from a file with a mistake in it. A fault records a row
// still open, a letter the row does not have, or a sheet the file changed.

#include "bank/bank_fingerprint.h"
#include "paper/decisions_file.h"
#include "support/test_banks.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct Fixture {
    BankContent bank = test::MakeBank({.questions = 3, .optionCounts = {2, 3, 4}});
    QString sha = BankSha256(bank);
    VariantRuns runs{bank};
};

// A sheet of seed 3 with rows 2 (and, blank, the number) open.
OpenSheet Sheet(const QString& sha, const QString& id, bool blank) {
    OpenSheet sheet;
    sheet.code = {BankPrefix(sha), 1, 3, id, std::nullopt};
    if (!blank) sheet.code.student = Student{"Ана <Петрова>", "5а", "1"};
    sheet.source = {"scan.pdf", 2};
    sheet.rows = {RowMark{0, {}}, RowMark{{}, "две отбелязани"}, RowMark{}, RowMark{1, {}}};
    if (blank) sheet.number = NumberMark{{}, "номерът в класа не е отбелязан"};
    return sheet;
}

// The file with the decision line of `row` on `sheet` given `value`.
QString Decide(QString text, const QString& sheet, const QString& row, const QString& value) {
    const QRegularExpression line("^" + QRegularExpression::escape(sheet + ' ' + row) + " \\?",
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(text).hasMatch()) << sheet.toStdString() << ' ' << row.toStdString();
    return text.replace(line, sheet + ' ' + row + ' ' + value);
}

} // namespace

TEST(DecisionsFile, EveryOpenRowDecidedRightIsTakenAnythingElseRefusesTheFile) {
    Fixture f;
    const QString a = "0badcafe-1", b = "0badcafe-2";
    const QString text = DecisionsText({Sheet(f.sha, a, false), Sheet(f.sha, b, true)},
                                       "vorn-player --scan-decide x");
    const QString both = Decide(Decide(Decide(text, a, "2", "B"), b, "2", "0"), b, "номер", "17");
    const int rowTwoOptions = f.runs.optionCounts(3)[1];
    const QString pastTheRow = QString(QChar(u'A' + rowTwoOptions));
    const struct {
        const char* name;
        QString text;
        const char* problem; // the first; nullptr: taken
    } cases[] = {
        {"all decided", both, nullptr},
        {"a Cyrillic letter",
         Decide(Decide(Decide(text, a, "2", "б"), b, "2", "0"), b, "номер", "17"), nullptr},
        {"a row left open", Decide(Decide(text, a, "2", "B"), b, "2", "0"), "все още е „?“"},
        {"a letter the row has not", QString(both).replace(a + " 2 B", a + " 2 " + pastTheRow),
         "не е буква на отговор"},
        {"a row that was not open", both + a + " 1 A\n", "на листа няма неясен ред 1"},
        {"a row decided twice", both + a + " 2 A\n", "на листа няма неясен ред 2"},
        {"a number out of range", QString(both).replace(b + " номер 17", b + " номер 100"),
         "номерът в класа е число от 1 до 99"},
        {"a sheet not in the file", both + "0badcafe-9 1 A\n", "няма лист 0badcafe-9"},
        {"a changed state line", QString(both).replace("\"page\":2", "\"page\":0"),
         "редът „#=“ е променен"},
        {"no header", QString(both).mid(both.indexOf('\n') + 1), "не е файл с решения"},
        {"a line of two words", both + a + " 2\n", "очакват се лист, ред и решение"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Decided decided = ReadDecisions(c.text, f.sha, f.runs);
        if (!c.problem) {
            EXPECT_TRUE(decided.problems.isEmpty()) << decided.problems.join('\n').toStdString();
            ASSERT_EQ(decided.sheets.size(), 2u);
            EXPECT_EQ(decided.sheets[0].answers(),
                      (std::vector<std::optional<int>>{0, 1, std::nullopt, 1}));
            EXPECT_EQ(decided.sheets[0].code.student, (Student{"Ана <Петрова>", "5а", "1"}));
            EXPECT_EQ(decided.sheets[1].answers(),
                      (std::vector<std::optional<int>>{0, std::nullopt, std::nullopt, 1}));
            EXPECT_EQ(decided.sheets[1].number->number, 17);
            EXPECT_EQ(decided.sheets[1].source, (ScanSource{"scan.pdf", 2}));
        } else {
            ASSERT_FALSE(decided.problems.isEmpty());
            EXPECT_TRUE(decided.problems.join('\n').contains(QString::fromUtf8(c.problem)))
                << decided.problems.join('\n').toStdString();
            EXPECT_TRUE(decided.sheets.empty()) << "nothing is taken from a file with a mistake";
        }
    }
}

TEST(DecisionsFile, LeavingASheetsLinesOutLeavesTheSheetOut) {
    Fixture f;
    const QString text = DecisionsText({Sheet(f.sha, "0badcafe-1", false)}, "x");
    QStringList kept;
    for (const QString& line : text.split('\n'))
        if (!line.startsWith("#=") && !line.startsWith("0badcafe-1")) kept.append(line);
    const Decided decided = ReadDecisions(kept.join('\n'), f.sha, f.runs);
    EXPECT_TRUE(decided.problems.isEmpty());
    EXPECT_TRUE(decided.sheets.empty());
    EXPECT_TRUE(
        ReadDecisions(text, QString(64, u'0'), f.runs).problems.join("").contains("друг тест"))
        << "a file of another test";
}
