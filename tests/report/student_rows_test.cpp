// What a student's row tells of the records behind it: where each attempt
// shown was taken, and the records no run of the exam writes: two finished
// records with one attempt number (a classmate's copy of a record, or an old
// attempt graded again) and records after a break in the file's chain. The
// fault caught: a planted record became the student's first attempt and the
// report said nothing of it.

#include "report/results_report.h"
#include "report/results_tally.h"
#include "report/student_flags.h"
#include "support/read_workbook.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Ана's first attempt, unless a row says otherwise.
struct Sitting {
    const char* name = "Ана";
    const char* group = "8а";
    int attempt = 1;
    bool abandoned = false;
    const char* bank = "a"; // its fingerprint's letter
    qint64 line = 0;        // after a break in the chain, at this line; 0: none
    int hour = 9;           // when it was written
    int journalHour = 0;    // when the student's first journal was made; 0: no journal
    const char* number = "";
    bool listed = false; // chosen from a class list
    const char* host = "pc-07";
    const char* user = "izpit"; // the exam account, the same on every machine
    bool sealed = false;
    const char* file = "8a.jsonl";
};

ResultRecord SittingRecord(const Sitting& s) {
    ResultRecord r;
    r.run.time = QDateTime(QDate(2024, 5, 14), QTime(s.hour, 0), Qt::UTC);
    if (s.journalHour)
        r.journalSince = QDateTime(QDate(2024, 5, 14), QTime(s.journalHour, 0), Qt::UTC);
    r.run.bankSha256 = QString(64, QLatin1Char(s.bank[0]));
    r.bankTitle = QStringLiteral("Т");
    r.questions.push_back({.number = 1, .chosen = "k", .key = "k", .right = true, .id = {}});
    r.grade = GradeOf(1, 1);
    r.student =
        Student{QString::fromUtf8(s.name), QString::fromUtf8(s.group), QString::fromUtf8(s.number)};
    if (s.listed) r.knownBy = KnownBy::Number;
    if (s.attempt) r.attempt = s.attempt; // 0: a practice run
    r.run.user = QString::fromUtf8(s.user);
    r.run.host = QString::fromUtf8(s.host);
    r.abandoned = s.abandoned;
    return r;
}

std::vector<BankFigures> BanksFigures(const std::vector<ResultRecord>& records,
                                      const std::vector<qint64>& breaks = {},
                                      const std::vector<bool>& sealed = {},
                                      const QStringList& files = {}) {
    ResultsTally tally({.marks = {}, .className = {}, .bank = {}, .voided = {}});
    for (std::size_t i = 0; i < records.size(); ++i) {
        const qint64 line = i < breaks.size() ? breaks[i] : 0;
        tally.add(records[i], {.file = qsizetype(i) < files.size() ? files[qsizetype(i)]
                                                                   : QStringLiteral("8a.jsonl"),
                               .line = line > 0 ? line : qint64(i) + 1,
                               .afterChainBreak = line > 0,
                               .sealed = i < sealed.size() && sealed[i]});
    }
    return tally.figures();
}

// Every student's flags, "name: flag; flag", one per flagged student, bank
// after bank.
QStringList FlagsOf(const std::vector<Sitting>& sittings) {
    std::vector<ResultRecord> records;
    std::vector<qint64> breaks;
    std::vector<bool> sealed;
    QStringList files;
    for (const Sitting& s : sittings) {
        records.push_back(SittingRecord(s));
        breaks.push_back(s.line);
        sealed.push_back(s.sealed);
        files.append(QString::fromUtf8(s.file));
    }
    QStringList flagged;
    for (const BankFigures& bank : BanksFigures(records, breaks, sealed, files))
        for (const StudentFigures& student : bank.students)
            if (const QStringList texts = StudentFlagTexts(student.flags); !texts.isEmpty())
                flagged.append(student.who.name + ": " + texts.join("; "));
    return flagged;
}

// Ана's attempt, written after a break in the chain at `line`.
Sitting After(int attempt, qint64 line) {
    return {.attempt = attempt, .line = line};
}
// Ана's attempt, written on `host`.
Sitting On(int attempt, const char* host) {
    return {.attempt = attempt, .host = host};
}

} // namespace

TEST(StudentFlags, NameRecordsNoRunOfTheExamWrites) {
    const QString broken = "веригата на файла е прекъсната пред записа 8a.jsonl:%1 (запис е "
                           "изтрит, променен или преместен)";
    const struct {
        const char* what;
        std::vector<Sitting> sittings;
        QStringList flagged;
    } cases[] = {
        {"one attempt copied",
         {{"Ана", "8а", 1}, {"Ана", "8а", 1}},
         {"Ана: два записа с опит № 1"}},
        {"distinct attempts", {{"Ана", "8а", 1}, {"Ана", "8а", 2}, {"Ана", "8а", 3}}, {}},
        {"two students, one attempt number", {{"Ана", "8а", 1}, {"Борис", "8а", 1}}, {}},
        {"the same name in two classes", {{"Ана", "8а", 1}, {"Ана", "8б", 1}}, {}},
        {"one student, whatever the class's spelling",
         {{"Ана", "8а", 2}, {"ана", " 8A", 2}},
         {"Ана: два записа с опит № 2"}},
        {"one attempt number on two tests", {{"Ана", "8а", 1}, {"Ана", "8а", 1, false, "b"}}, {}},
        // Leaving before grading and coming back takes the same attempt up again.
        {"abandoned, then finished",
         {{"Ана", "8а", 2, true}, {"Ана", "8а", 2, true}, {"Ана", "8а", 2}},
         {}},
        {"finished, and a copy abandoned", {{"Ана", "8а", 1}, {"Ана", "8а", 1, true}}, {}},
        {"three finished, and two of another",
         {{"Ана", "8а", 2}, {"Ана", "8а", 1}, {"Ана", "8а", 2}, {"Ана", "8а", 2}, {"Ана", "8а", 1}},
         {"Ана: два записа с опит № 1; 3 записа с опит № 2"}},
        {"after a break in the chain",
         {{}, After(2, 7), {"Борис", "8а", 1}},
         {"Ана: " + broken.arg(7)}},
        {"seven after breaks",
         {After(1, 2), After(2, 3), After(3, 4), After(4, 5), After(5, 6), After(6, 8),
          After(7, 9)},
         {"Ана: " + broken.arg(2) + "; " + broken.arg(3) + "; " + broken.arg(4) + "; " +
          broken.arg(5) + "; " + broken.arg(6) + "; и още 2 записа след прекъсване на веригата"}},
        // A record put in with a time before the student's exam began.
        {"older than the first journal",
         {{.hour = 10, .journalHour = 10},
          {.attempt = 2, .hour = 8, .journalHour = 10},
          {.attempt = 3, .hour = 11, .journalHour = 11},
          {.name = "Борис", .hour = 8}},
         {"Ана: записът 8a.jsonl:2 е по-стар от първия дневник на ученика (копиран запис или "
          "променено време)"}},
        // Only the earliest journal counts, whichever record brings it.
        {"an earlier journal found later",
         {{.hour = 11, .journalHour = 11},
          {.attempt = 2, .hour = 10, .journalHour = 11},
          {.attempt = 3, .hour = 12, .journalHour = 9},
          {.attempt = 0, .hour = 8}},
         {"Ана: записът 8a.jsonl:4 е по-стар от първия дневник на ученика (копиран запис или "
          "променено време)"}},
        {"namesakes from the class list",
         {{.name = "Иван", .number = "3", .listed = true},
          {.name = "Иван", .number = "12", .listed = true}},
         {}},
        {"namesakes typed",
         {{"Иван", "8а", 1}, {"Иван", "8а", 1}},
         {"Иван: два записа с опит № 1"}},
        // A classmate's made-up record of Ана's, appended or sealed on their machine.
        {"exam records from two machines",
         {{}, On(2, "pc-13"), {.name = "Борис", .host = "pc-13"}},
         {"Ана: записите на ученика идват от различни потребители или компютри: izpit на "
          "pc-07, izpit на pc-13"}},
        {"exam records from two logins",
         {{.user = "ana"}, {.abandoned = true, .user = "ana"}, {.attempt = 2, .user = "boris"}},
         {"Ана: записите на ученика идват от различни потребители или компютри: ana на pc-07, "
          "boris на pc-07"}},
        {"practice at home, the exam in the lab", {{.attempt = 0, .host = "home"}, {}}, {}},
        {"seven machines",
         {On(1, "a"), On(2, "b"), On(3, "c"), On(4, "b"), On(5, "d"), On(6, "e"), On(7, "f"),
          On(8, "g")},
         {"Ана: записите на ученика идват от различни потребители или компютри: izpit на a, "
          "izpit на b, izpit на c, izpit на d, izpit на e и още 2"}},
        {"a record in clear among sealed ones",
         {{.sealed = true},
          {.name = "Борис"},
          {.name = "Борис", .attempt = 0},
          {.name = "Вера", .sealed = true}},
         {"Борис: незапечатан запис сред запечатани: 8a.jsonl:2"}},
        // Each file is told apart: one of records in clear is not flagged.
        {"records in clear in a file of their own",
         {{.sealed = true},
          {.name = "Борис", .file = "8b.jsonl"},
          {.name = "Вера", .file = "8a.jsonl"},
          {.name = "Борис", .attempt = 2, .file = "8b.jsonl"},
          {.name = "Вера", .attempt = 2, .sealed = true, .file = "8c.jsonl"}},
         {"Вера: незапечатан запис сред запечатани: 8a.jsonl:3"}},
        {"every record in clear", {{"Ана", "8а", 1}, {"Борис", "8а", 1}}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlagsOf(c.sittings), c.flagged) << c.what;
}

namespace {

// The students' sheet of the workbook as openpyxl reads it back: its header
// and first row, cells joined by "|".
QStringList StudentsSheet(const QByteArray& workbook) {
    QStringList rows;
    for (const QJsonValue sheet : test::ReadWorkbook(workbook))
        if (sheet["name"].toString() == QStringLiteral("Ученици"))
            for (const char* row : {"header", "row"}) {
                QStringList cells;
                for (const QJsonValue cell : sheet[row].toArray())
                    cells.append(cell.isDouble() ? QString::number(cell.toDouble())
                                                 : cell.toString());
                rows.append(cells.join('|'));
            }
    return rows;
}

} // namespace

// A login and a host from a record are anyone's text: escaped on the
// terminal and in the page, never a formula in a spreadsheet. Ана's second
// record, a copy under another login, is her last attempt, and the flags
// name both logins and hosts in every format.
TEST(StudentRows, ShowEachAttemptsLoginAndHostInEveryFormat) {
    std::vector<ResultRecord> records{SittingRecord({"Ана", "8а", 1}),
                                      SittingRecord({"Ана", "8а", 1})};
    records[0].run.user = "lab<1>";
    records[0].run.host = "=pc-07\x1b";
    records[1].run.user = "mallory";
    records[1].run.host = "pc-13";
    const std::vector<BankFigures> banks = BanksFigures(records);

    const QString text = ReportText(banks);
    EXPECT_TRUE(text.contains("  8а, Ана: опити 2; 1/1 = 100%, оценка 6,00 Отличен, потребител "
                              "lab<1>, компютър =pc-07\\x1b; последен: 1/1 = 100%, оценка 6,00 "
                              "Отличен, потребител mallory, компютър pc-13; внимание: два записа "
                              "с опит № 1; записите на ученика идват от различни потребители или "
                              "компютри: lab<1> на =pc-07\\x1b, mallory на pc-13\n"))
        << text.toStdString();

    const QString csv = QString::fromUtf8(TableCsv(ReportTables(banks)[0]));
    EXPECT_TRUE(csv.contains(",near_boundary,user,host,last_user,last_host,flags\r\n"))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains(",lab<1>,\"'=pc-07\",mallory,pc-13,\"два записа с опит № 1; записите "
                             "на ученика идват от различни потребители или компютри: lab<1> на "
                             "=pc-07, mallory на pc-13\"\r\n"))
        << csv.toStdString();

    const QString html = QString::fromUtf8(ReportHtml(banks));
    for (const char* part : {"<th>Потребител, компютър</th><th>Последен опит</th><th>Внимание</th>",
                             "<td>потребител lab&lt;1&gt;, компютър =pc-07\\x1b</td>",
                             ", потребител mallory, компютър pc-13</td><td class=\"flags\">два "
                             "записа с опит № 1<br>записите на ученика идват от различни "
                             "потребители или компютри: lab&lt;1&gt; на =pc-07\\x1b, mallory на "
                             "pc-13</td>"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(part))) << part << "\n" << html.toStdString();

    const auto workbook = ReportWorkbook(ReportTables(banks));
    ASSERT_TRUE(std::holds_alternative<QByteArray>(workbook));
    const QStringList sheet = StudentsSheet(std::get<QByteArray>(workbook));
    ASSERT_EQ(sheet.size(), 2);
    EXPECT_TRUE(sheet[0].endsWith(
        "|Потребител|Компютър|последен: потребител|последен: компютър|Внимание|Тест"))
        << sheet[0].toStdString();
    EXPECT_TRUE(sheet[1].endsWith("|lab<1>|=pc-07|mallory|pc-13|два записа с опит № 1; записите на "
                                  "ученика идват от различни потребители или компютри: lab<1> на "
                                  "=pc-07, mallory на pc-13|1"))
        << sheet[1].toStdString();
}
