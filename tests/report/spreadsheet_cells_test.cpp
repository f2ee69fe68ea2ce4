// Cells for a spreadsheet: the CSV's two forms, and texts from records
// without what a file cannot carry or what acts instead of showing, so that
// a workbook with such a name still opens (openpyxl refused one holding
// U+FFFF, and a NUL cut its text).

#include "report/cell_text.h"
#include "report/results_report.h"
#include "report/workbook_layout.h"
#include "support/read_workbook.h"

#include <gtest/gtest.h>

using namespace vorn;

// A time: seconds for programs; hours, minutes and seconds, which a Bulgarian
// LibreOffice reads as a duration, for the spreadsheet (12 min 34 s, and
// 25 h 1 min 1 s, past a day).
TEST(CsvForm, ProgramsGetCommasAndPointsABulgarianSpreadsheetSemicolonsAndCommas) {
    const auto number = [](double n, int decimals = 0) {
        return Cell{.text = {}, .number = n, .decimals = decimals};
    };
    const Table table{.name = "t",
                      .sheet = "T",
                      .columns = {{"name", "Име", 10},
                                  {"share", "Дял %", 8},
                                  {"n", "Брой", 5},
                                  {"last_time_used", "Време", 6}},
                      .rows = {{{.text = "a;b,c", .number = {}, .decimals = 0},
                                number(2.5, 2),
                                number(1234),
                                number(754)},
                               {{}, number(0, 2), number(0), number(90061)}}};
    EXPECT_EQ(TableCsv(table, CsvLocale::C), "\xEF\xBB\xBFname,share,n,last_time_used\r\n"
                                             "\"a;b,c\",2.50,1234,754\r\n,0.00,0,90061\r\n");
    EXPECT_EQ(
        TableCsv(table, CsvLocale::Bulgarian),
        "\xEF\xBB\xBFИме;Дял %;Брой;Време\r\n\"a;b,c\";2,50;1234;0:12:34\r\n;0,00;0;25:01:01\r\n");
}

TEST(SpreadsheetText, KeepsLettersAndLineBreaksAndDropsWhatCannotBeShown) {
    const struct {
        const char* what;
        QString given, kept;
    } cases[] = {
        {"Cyrillic, a tab and line breaks", "Иван\tПетров\r\n7б", "Иван\tПетров\r\n7б"},
        {"NUL and ESC", QString::fromUtf8("Ив\0ан\x1b[2J", 13), "Иван[2J"},
        {"DEL and a C1 control (CSI)", QString("a\x7f") + QChar(0x9B) + "b", "ab"},
        {"a right-to-left override and an isolate",
         QString("Иван") + QChar(0x202E) + "ворteP" + QChar(0x2066), "ИванворteP"},
        {"non-characters", QString("a") + QChar(0xFFFF) + QChar(0xFFFE) + QChar(0xFDD0) + "b",
         "ab"},
        {"a non-character beyond the BMP (U+1FFFF)",
         QString("a") + QChar(0xD83F) + QChar(0xDFFF) + "b", "ab"},
        {"an emoji stays", QString("a") + QChar(0xD83D) + QChar(0xDE00), "a\U0001F600"},
        {"a lone half of a pair", QString("a") + QChar(0xD800) + "b" + QChar(0xDC00), "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpreadsheetText(c.given), c.kept) << c.what;
}

TEST(SpreadsheetText, CsvCellsHoldNoControlCharacter) {
    const Table table{.name = "t",
                      .sheet = "T",
                      .columns = {{"name", "Име", 10}},
                      .rows = {{{.text = QString("Иван\x1b]0;x\x07") + QChar(0x202E) + "1",
                                 .number = {},
                                 .decimals = 0}}}};
    EXPECT_EQ(TableCsv(table), "\xEF\xBB\xBFname\r\nИван]0;x1\r\n");
}

// Two tests' rows, A, B, A: each row keeps its own cells, then the test's
// number; the tests' sheet names each once, in the order first met.
TEST(WorkbookLayout, TheTestsTitleAndFingerprintGoToASheetOfTheirOwn) {
    const auto text = [](const char* t) { return Cell{.text = t, .number = {}, .decimals = 0}; };
    const Table students{.name = "students",
                         .sheet = "Ученици",
                         .columns = {{"bank", "Тест", 24},
                                     {"sha256", "SHA-256", 16},
                                     {"name", "Име", 28},
                                     {"number", "Номер", 7}},
                         .rows = {{text("Алгебра"), text("aa"), text("Ана"), text("12")},
                                  {text("Геометрия"), text("bb"), text("Борис"), text("12а")},
                                  {text("Алгебра"), text("aa"), text("Вера"), text("0123456789")}}};
    const std::vector<Table> laid = WorkbookTables({students});
    ASSERT_EQ(laid.size(), 2u);
    const Table& own = laid[0];
    ASSERT_EQ(own.columns.size(), 3u);
    EXPECT_EQ(own.columns[0].label, "Име");
    EXPECT_EQ(own.columns[2].label, "Тест");
    const struct {
        const char* name;
        std::optional<double> number; // the class number as a number
        double test;
    } rows[] = {{"Ана", 12, 1}, {"Борис", std::nullopt, 2}, {"Вера", std::nullopt, 1}};
    ASSERT_EQ(own.rows.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(own.rows[r][0].text, rows[r].name);
        EXPECT_EQ(own.rows[r][1].number, rows[r].number) << rows[r].name;
        EXPECT_EQ(own.rows[r][2].number, rows[r].test) << rows[r].name;
    }
    const Table& tests = laid[1];
    EXPECT_EQ(tests.sheet, "Тестове");
    ASSERT_EQ(tests.rows.size(), 2u);
    EXPECT_EQ(tests.rows[1][0].number, 2);
    EXPECT_EQ(tests.rows[1][1].text, "Геометрия");
    EXPECT_EQ(tests.rows[1][2].text, "bb");
}

// openpyxl refused a workbook holding U+FFFF, and a NUL cut its text; a time
// is a duration in minutes and seconds.
TEST(SpreadsheetText, OpenpyxlReadsAHostileNameAndATimeAsADuration) {
    const QString name =
        QString("Иван") + QChar(0xFFFF) + QChar(u'\0') + " Петров" + QChar(0x202E) + "\x1b";
    const Table table{.name = "t",
                      .sheet = "T",
                      .columns = {{"name", "Име", 10}, {"time_used", "Време", 8}},
                      .rows = {{{.text = name, .number = {}, .decimals = 0},
                                {.text = {}, .number = 125, .decimals = 0}}}};
    const auto workbook = ReportWorkbook({table});
    ASSERT_TRUE(std::holds_alternative<QByteArray>(workbook));
    const QJsonObject sheet = test::ReadWorkbook(std::get<QByteArray>(workbook)).at(0).toObject();
    EXPECT_EQ(sheet["row"][0].toString() + "|" + sheet["header"][1].toString() + "|" +
                  sheet["formats"][1].toString() + "|" + sheet["row"][1].toString(),
              "Иван Петров|Време|[m]:ss|0:02:05");
}
