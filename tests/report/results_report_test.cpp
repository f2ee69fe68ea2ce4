// The report over results files: students and marks worked by hand, the
// first finished attempt as the statistics' one, lines that are not records
// counted with their numbers, a file that cannot be read named, the CSV
// tables, and an output that cannot be written.

#include "app/report_command.h"
#include "platform/exit_status.h"
#include "record/results_reading.h"
#include "report/results_report.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vorn;

namespace {

// A record line of bank `sha` (one letter, repeated): per question "R" right,
// "-" unanswered, else the wrong option chosen; question n's key is "kn". The
// score is the count of "R"; the percentage is given as it should be.
QByteArray Line(const QString& title, char sha, int percent, const QStringList& answers) {
    QStringList questions;
    for (int n = 1; n <= answers.size(); ++n) {
        const QString& a = answers[n - 1];
        const QString chosen = a == "R"   ? QString("\"k%1\"").arg(n)
                               : a == "-" ? "null"
                                          : '"' + a + '"';
        questions << QString(R"({"number":%1,"chosen":%2,"key":"k%1","right":%3})")
                         .arg(n)
                         .arg(chosen, a == "R" ? "true" : "false");
    }
    return QString(R"({"format":"vorn-results","version":1,"time":"2024-05-14T09:00:00Z",)"
                   R"("user":"u","host":"h","program":"1.0","bank":{"title":"%1","sha256":"%2"},)"
                   R"("seed":1,"score":%3,"total":%4,"percent":%5,"verdict":null,)"
                   R"("questions":[%6],"check":null})")
        .arg(title, QString(64, QLatin1Char(sha)))
        .arg(answers.count("R"))
        .arg(answers.size())
        .arg(percent)
        .arg(questions.join(','))
        .toUtf8();
}

// A version 2 record of bank "a" (three questions, keys k1 to k3) by a
// student: answers as for Line, the check question's answer ("R" the key,
// "" none) and whether it was abandoned.
QByteArray StudentLine(const QString& name, const QString& group, const QString& number,
                       int attempt, const QStringList& answers, const QString& check,
                       bool abandoned = false) {
    const bool hasCheck = !check.isEmpty();
    const int score = answers.count("R") + (check == "R" ? 1 : 0);
    const int total = answers.size() + (hasCheck ? 1 : 0);
    QJsonObject o = QJsonDocument::fromJson(Line("Т", 'a', score * 100 / total, answers)).object();
    o["version"] = 2;
    o["student"] = QJsonObject{{"name", name}, {"class", group}, {"number", number}};
    o["attempt"] = attempt;
    o["score"] = score;
    o["total"] = total;
    if (abandoned) o["abandoned"] = true;
    if (hasCheck)
        o["check"] = QJsonObject{{"number", 1},
                                 {"chosen", check == "R" ? "k1" : check},
                                 {"key", "k1"},
                                 {"right", check == "R"}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

struct Reported {
    int status;
    QString out, err;
};

Reported Report(const QStringList& paths, ReportFormat format = ReportFormat::Text,
                const QString& output = {}, const QString& className = {},
                CsvLocale csvLocale = CsvLocale::C) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = ReportCommand({.files = paths,
                                      .format = format,
                                      .output = output,
                                      .bank = {},
                                      .marks = {},
                                      .className = className,
                                      .csvLocale = csvLocale},
                                     outStream, errStream);
    return {status, out, err};
}

// One record for each of `tests` tests, told apart by their fingerprints
// ("…0001", "…0002"), each of `questions` questions all right.
QByteArray OfTests(int tests, int questions = 1) {
    QByteArray lines;
    for (int t = 1; t <= tests; ++t)
        lines += Line("Т", 'a', 100, QStringList(questions, "R"))
                     .replace(QByteArray(64, 'a'), QByteArray::number(t).rightJustified(64, '0')) +
                 '\n';
    return lines;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

class ResultsReport : public testing::Test {
protected:
    // Иван's first attempt is abandoned; "u" has no student and leaves
    // question 3 with an empty answer, which counts as none.
    void SetUp() override {
        QByteArray login = Line("Т", 'a', 33, {"-", "R", "-"});
        login.replace(R"("chosen":null,"key":"k3")", R"("chosen":"","key":"k3")");
        path_ = Write(dir_, "8.jsonl",
                      StudentLine("Иван Петров", "8б", "2", 1, {"R", "-", "-"}, "", true) + '\n' +
                          StudentLine("Иван Петров", "8б", "2", 2, {"R", "R", "x"}, "") + '\n' +
                          StudentLine("Ана Иванова", "8б", "10", 1, {"R", "x", "R"}, "R") + '\n' +
                          StudentLine("Борис", "8а", "1", 1, {"x", "R", "R"}, "y") + '\n' + login +
                          '\n');
    }
    QTemporaryDir dir_;
    QString path_;
};

} // namespace

TEST_F(ResultsReport, StudentsInClassOrderWithMarksAndTheFirstFinishedAttemptInTheStatistics) {
    const Reported r = Report({path_});
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    // Three questions that disagree (alpha -400 %) give a standard error of
    // measurement of 37,27 % (moodle_statistics.py's test() over the four
    // first finished attempts): every mark is near a boundary. Иван's
    // abandoned attempt has no mark.
    const QString students =
        "Ученици (4):\n"
        "  u: опити 1; 1/3 = 33%, оценка 3,33 Среден, потребител u, компютър h; близо до "
        "границата\n"
        "  8а, № 1, Борис: опити 1; 2/4 = 50%, оценка 4,00 Добър, Тото: друг отговор, потребител "
        "u, компютър h; близо до границата\n"
        "  8б, № 2, Иван Петров: опити 2 (прекъснати 1); 1/3 = 33%, без оценка, прекъснат, "
        "потребител u, компютър h; последен: 2/3 = 66%, оценка 4,67 Много добър, потребител u, "
        "компютър h; близо до границата\n"
        "  8б, № 10, Ана Иванова: опити 1; 3/4 = 75%, оценка 5,00 Много добър, Тото: същият "
        "отговор, потребител u, компютър h; близо до границата\n"
        "Тестът по първите завършени опити на 4 ученици";
    EXPECT_TRUE(r.out.contains(students)) << r.out.toStdString();
    // Question 2 is right for u, Борис and Иван's second attempt: 3 of 4.
    const QStringList hardestFirst = {
        "въпрос 1 („k1“): лекота 50,00 %", "въпрос 3 („k3“): лекота 50,00 %",
        "без отговор 25,00 % (ученици 4)", "въпрос 2 („k2“): лекота 75,00 %"};
    qsizetype at = 0;
    for (const QString& part : hardestFirst) {
        at = r.out.indexOf(part, at);
        EXPECT_GE(at, 0) << part.toStdString() << "\n" << r.out.toStdString();
    }
    // Each of question 1's figures under its own name (moodle_statistics.py's
    // item() over the first finished attempts "AAB", "ABA", "BAA", "-A-").
    EXPECT_TRUE(r.out.contains(
        "  въпрос 1 („k1“): лекота 50,00 % ± 28,87, стандартно отклонение 57,74 %, "
        "дискриминация -57,74 (малка извадка), ефективност -100,00 % (малка извадка), "
        "без отговор 25,00 % (ученици 4)\n"))
        << r.out.toStdString();

    const Reported onlyB = Report({path_}, ReportFormat::Text, {}, "8б");
    EXPECT_TRUE(
        onlyB.out.contains("Опити: 2 завършени; прекъснати: 1 (без оценка, не се броят)\n") &&
        onlyB.out.contains("Ученици (2):\n"))
        << onlyB.out.toStdString();
    EXPECT_EQ(Report({path_}, ReportFormat::Text, {}, "9в").status, kExitRefused);
}

// --class takes a class whatever its spelling, as the exam does, and a class
// with no record names the classes there are. The fault caught: a teacher who
// typed "8a" on a Latin keyboard, or "8Б" for "8б", was told there was nothing.
TEST_F(ResultsReport, AClassIsFoundWhateverItsSpellingAndOneWithNoRecordNamesTheOthers) {
    const struct {
        const char* asked;
        int status;
        QString out, err; // a part of the output; the whole error
    } cases[] = {
        {"9в",
         kExitRefused,
         {},
         "vorn-player: няма нито един запис от клас „9в“; в записите има: 8а, 8б."},
        {"8a", kExitOk, "Ученици (1):\n  8а, № 1, Борис", {}}, // a Latin "a"
        {"8Б", kExitOk, "Ученици (2):\n", {}},
    };
    for (const auto& c : cases) {
        const Reported r = Report({path_}, ReportFormat::Text, {}, QString::fromUtf8(c.asked));
        EXPECT_EQ(r.status, c.status) << c.asked;
        EXPECT_TRUE(r.out.contains(c.out)) << c.asked << "\n" << r.out.toStdString();
        EXPECT_EQ(r.err.trimmed(), c.err) << c.asked;
    }
}

TEST_F(ResultsReport, CsvWritesThreeTablesWithTheirNamedColumns) {
    const QString folder = dir_.filePath("csv");
    const Reported r = Report({path_}, ReportFormat::Csv, folder);
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    const QString sha(64, u'a');
    const struct {
        const char* file;
        QString header, row; // a row the table must hold
    } tables[] = {
        {"students.csv",
         "bank,sha256,name,class,number,attempts,score,total,percent,mark,word,time_used,time_up,"
         "abandoned,check_agrees,last_score,last_total,last_percent,last_mark,last_word,"
         "last_time_used,last_time_up,last_abandoned,last_check_agrees,near_boundary,user,host,"
         "last_user,last_host,flags",
         "Т," + sha + ",Иван Петров,8б,2,2,1,3,33,,,,,1,,2,3,66,4.67,Много добър,,,0,,1"},
        {"questions.csv",
         "bank,sha256,question,number,text,key,students,facility,sd,discrimination,efficiency,"
         "unanswered,flags,facility_se,small_sample",
         "Т," + sha + ",2,2,,k2,4,75.00,50.00,"},
        {"options.csv", "bank,sha256,question,option,key,chosen,share,correlation",
         "Т," + sha + ",1,x,0,1,25.00,"},
    };
    for (const auto& t : tables) {
        QFile file(QDir(folder).filePath(t.file));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << t.file;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << t.file;
        const QStringList rows = QString::fromUtf8(bytes.mid(3)).split("\r\n");
        EXPECT_EQ(rows.front(), t.header);
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                [&](const QString& row) { return row.startsWith(t.row); }))
            << t.file << ": " << bytes.toStdString();
        EXPECT_TRUE(r.out.contains(file.fileName())) << r.out.toStdString();
    }
}

// The same students' row as above in the form a Bulgarian spreadsheet reads.
TEST_F(ResultsReport, BulgarianCsvHasSemicolonsDecimalCommasAndBulgarianHeaders) {
    const QString folder = dir_.filePath("csv");
    const Reported r = Report({path_}, ReportFormat::Csv, folder, {}, CsvLocale::Bulgarian);
    ASSERT_EQ(r.status, kExitOk) << r.err.toStdString();
    QFile file(QDir(folder).filePath("students.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll().mid(3)).split("\r\n");
    EXPECT_EQ(rows.front(),
              "Тест;SHA-256;Име;Клас;Номер;Опити;Верни;Общо;Процент;Оценка;Словом;Време;"
              "Времето изтече;Прекъснат;Тото съвпада;последен: верни;последен: общо;"
              "последен: процент;последен: оценка;последен: словом;последен: време;"
              "последен: времето изтече;последен: прекъснат;последен: Тото съвпада;"
              "Близо до границата;Потребител;Компютър;последен: потребител;последен: компютър;"
              "Внимание");
    EXPECT_TRUE(rows.contains("Т;" + QString(64, u'a') +
                              ";Иван Петров;8б;2;2;1;3;33;;;;;1;;2;3;66;4,67;Много "
                              "добър;;;0;;1;u;h;u;h;"))
        << rows.join('\n').toStdString();
}

TEST_F(ResultsReport, AnOutputThatCannotBeWrittenFailsAndLeavesNothing) {
    const QString fifo = dir_.filePath("fifo.html");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        ReportFormat format;
        QString output, says;
    } cases[] = {
        {ReportFormat::Html, dir_.filePath("none/r.html"), "r.html"},
        {ReportFormat::Html, fifo, "не е обикновен файл"},
        {ReportFormat::Xlsx, dir_.filePath("none/r.xlsx"), "r.xlsx"},
        {ReportFormat::Csv, path_ + "/csv", "част от пътя не е папка"},
    };
    for (const auto& c : cases) {
        const Reported r = Report({path_}, c.format, c.output);
        EXPECT_EQ(r.status, kExitRefused) << c.output.toStdString();
        EXPECT_TRUE(r.err.contains("отчетът не е записан: ") && r.err.contains(c.says))
            << r.err.toStdString();
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"8.jsonl", "fifo.html"}));
}

TEST_F(ResultsReport, WithoutASingleRecordItFails) {
    QFile bad(dir_.filePath("bad.jsonl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{}\n");
    bad.close();
    const Reported r = Report({bad.fileName(), dir_.filePath("none.jsonl")});
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.endsWith("vorn-player: няма нито един запис на резултат.\n"))
        << r.err.toStdString();
}

TEST(ResultsReading, WhatIsSkippedIsToldOnOneLinePerKind) {
    const QByteArray record = Line("Т", 'a', 50, {"R", "x"}) + '\n';
    const QByteArray over(kMaxRecordLineBytes + 1, 'x'), blank(kMaxRecordLineBytes, ' ');
    const struct {
        const char* file;
        QByteArray lines;
        QString err; // F stands for the file
    } cases[] = {
        {"a line over 1 MiB", record + over + '\n' + record,
         "пропуснати редове, по-дълги от 1 MiB: 1 (F:2).\n"},
        {"a blank line of 1 MiB", blank + '\n' + record, ""},
        {"an unfinished last line", record + R"({"format":"vorn-res)",
         "пропуснати незавършени последни редове (без нов ред в края на файла: запис, прекъснат "
         "при писане, или чужд текст): 1 (F:2).\n"},
        {"25 lines of text", QByteArray("x\n").repeated(25) + record,
         "пропуснати редове, които не са записи на резултати: 25 (F:1, F:2, F:3, F:4, F:5, F:6, "
         "F:7, F:8, F:9, F:10, F:11, F:12, F:13, F:14, F:15, F:16, F:17, F:18, F:19, F:20 и още "
         "5).\n"},
        {"a wrong percentage", Line("Т", 'a', 100, {"R", "x"}) + '\n' + record,
         "пропуснати записи, които си противоречат: 1 (F:1: 100 %, а 1 от 2 е 50 %).\n"},
        {"a record of another size", record + Line("Т", 'a', 100, {"R", "R", "R"}),
         "пропуснати записи, които си противоречат: 1 (F:2: въпросите са 3, а в първия запис на "
         "същия тест са 2).\n"},
        {"a sixth distinct answer to a question",
         Line("Т", 'a', 50, {"R", "w1"}) + '\n' + Line("Т", 'a', 50, {"R", "w2"}) + '\n' +
             Line("Т", 'a', 50, {"R", "w3"}) + '\n' + Line("Т", 'a', 50, {"R", "w4"}) + '\n' +
             Line("Т", 'a', 50, {"R", "w5"}) + '\n' + Line("Т", 'a', 50, {"R", "w1"}),
         "пропуснати записи, които си противоречат: 1 (F:5: въпрос 2 има повече от 5 различни "
         "отговора в записите на същия тест).\n"},
        {"a 33rd test", OfTests(33),
         "пропуснати записи на тестове отвъд първите 32 (или 5000 въпроса общо); направете "
         "отделен отчет за тях: 1 (F:33: „Т“ " +
             QString(62, u'0') + "33).\n"},
        {"tests of 5001 questions", OfTests(5, 1000) + Line("Т", 'f', 0, {"x"}),
         "пропуснати записи на тестове отвъд първите 32 (или 5000 въпроса общо); направете "
         "отделен отчет за тях: 1 (F:6: „Т“ " +
             QString(64, u'f') + ").\n"},
        {"a later version",
         R"({"format":"vorn-results","version":4})"
         "\n" +
             record,
         "пропуснати записи от непозната версия: 1 (F:1: версия 4).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir dir;
        QFile file(dir.filePath("r.jsonl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.lines) == c.lines.size());
        file.close();
        const Reported r = Report({file.fileName()});
        EXPECT_EQ(r.status, kExitOk);
        const QString err = QString(c.err).replace("F:", file.fileName() + ':');
        EXPECT_EQ(r.err, err.isEmpty() ? err : "vorn-player: " + err);
    }
}

TEST(ResultsReading, WhatIsNotARegularFileIsRefusedUnread) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path, printed, why;
    } cases[] = {
        {fifo, fifo, "това не е обикновен файл (а устройство, канал или гнездо)."},
        {"/dev/zero", "/dev/zero", "това не е обикновен файл (а устройство, канал или гнездо)."},
        {dir.path(), dir.path(), "това е папка, а не файл."},
        {dir.filePath("a\nОпити: 9\x1b[2J"), dir.filePath("a\\nОпити: 9\\x1b[2J"),
         "файлът не съществува."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed.toStdString());
        const Reported r = Report({c.path});
        EXPECT_EQ(r.status, kExitRefused);
        EXPECT_EQ(r.err, "vorn-player: " + c.printed + ": " + c.why +
                             "\nvorn-player: няма нито един запис на резултат.\n");
    }
}

namespace {

// What a report in `format` over the records at `path` writes, all its files
// joined.
QString Output(const QTemporaryDir& dir, ReportFormat format, const QString& path) {
    const QString target = format == ReportFormat::Html ? dir.filePath("r.html") : dir.path();
    const Reported r = Report({path}, format, format == ReportFormat::Text ? QString() : target);
    EXPECT_EQ(r.status, kExitOk) << r.err.toStdString();
    if (format == ReportFormat::Text) return r.out;
    QString written;
    for (const QString& name : format == ReportFormat::Html
                                   ? QStringList{"r.html"}
                                   : QStringList{"students.csv", "options.csv"}) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        written += QString::fromUtf8(file.readAll());
    }
    return written;
}

} // namespace

// A text of a record (here the test's title, a wrong option and a student's
// name) reaches every format as text: escaped on the terminal, never a
// formula in a spreadsheet, never markup in the page.
TEST(ReportOfRecordTexts, StayTextInEveryFormat) {
    const QString sha(64, u'a');
    const struct {
        ReportFormat format;
        QString json;  // as written inside JSON
        QString shown; // what the output holds for it
        QString never; // what it must not hold
    } cases[] = {
        {ReportFormat::Text, R"(\u001b[2J)", "Тест „\\x1b[2J“\n", "\x1b"},
        {ReportFormat::Text, R"(\nОпити: 9999)", "„\\nОпити: 9999“: 50,00 %", "\nОпити: 9999"},
        {ReportFormat::Csv, "=1+1", "\"'=1+1\"," + sha, "\n=1+1"},
        {ReportFormat::Csv, "@SUM(A1)", "\"'@SUM(A1)\"," + sha, "\n@SUM"},
        {ReportFormat::Csv, R"(\t=1)", "\"'\t=1\"," + sha, "\n\t=1"},
        {ReportFormat::Csv, R"(=A1,\"b\")", R"("'=A1,""b""",)" + sha, "\n=A1"},
        {ReportFormat::Csv, "a=b", "\na=b," + sha, "'a=b"}, // only at the start
        {ReportFormat::Html, "<script>alert(1)</script>",
         "<td>&lt;script&gt;alert(1)&lt;/script&gt;</td>", "<script>alert"},
        {ReportFormat::Html, R"(\" onload=\"x)", "<td>&quot; onload=&quot;x</td>", "\" onload"},
        {ReportFormat::Html, "A & B", "<td>A &amp; B</td>", "A & B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.toStdString());
        QTemporaryDir dir;
        const QString raw = QJsonDocument::fromJson("[\"" + c.json.toUtf8() + "\"]")[0].toString();
        const QString path = Write(dir, "r.jsonl",
                                   Line(c.json, 'a', 33, {"R", c.json, "-"}) + '\n' +
                                       StudentLine(raw, "8а", "1", 1, {"R", "x", "-"}, ""));
        const QString output = Output(dir, c.format, path);
        EXPECT_TRUE(output.contains(c.shown)) << output.toStdString();
        EXPECT_FALSE(output.contains(c.never)) << output.toStdString();
    }
}

// A question's text of several lines (a bank written on Windows has CR LF)
// shows as lines on the page, not as "\r\n", and each line is still escaped.
TEST(ReportOfRecordTexts, AQuestionsLinesStayLinesOnThePage) {
    BankFigures bank;
    bank.title = "Т";
    bank.sha256 = QString(64, u'a');
    QuestionFigures question;
    question.number = 1;
    question.id = "1";
    question.text = "Кой е\r\nверният <b>отговор</b>?\nЕдин\rДва";
    question.key = "а";
    question.options = {{.text = "а", .key = true, .statistics = {}}};
    bank.questions = {question};
    const QString html = QString::fromUtf8(ReportHtml({bank}));
    EXPECT_TRUE(html.contains("<p>Кой е<br>верният &lt;b&gt;отговор&lt;/b&gt;?<br>Един<br>Два</p>"))
        << html.toStdString();
    EXPECT_FALSE(html.contains("\\r")) << html.toStdString();
}
