// The report over results files: the figures of each bank worked by hand,
// lines that are not records counted with their numbers, a file that cannot
// be read named, as text and as CSV.

#include "app/report_command.h"
#include "platform/exit_status.h"
#include "results/results_reading.h"

#include <QFile>
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

const QString kGeometry = R"(Геометрия, 8 \"б\")"; // as written inside JSON

struct Reported {
    int status;
    QString out, err;
};

Reported Report(const QStringList& paths, ReportFormat format) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = ReportCommand(paths, format, outStream, errStream);
    return {status, out, err};
}

class ResultsReport : public testing::Test {
protected:
    void SetUp() override {
        QFile first(first_), second(second_);
        ASSERT_TRUE(first.open(QIODevice::WriteOnly) && second.open(QIODevice::WriteOnly));
        first.write(Line("Английски", 'a', 33, {"R", "x", "-"}) + '\n' +
                    Line("Английски", 'a', 100, {"R", "R", "R"}) + '\n' + "не е запис\n\n" +
                    Line("Английски", 'a', 33, {"b", "x", "R"}) + '\n' +
                    R"({"format":"vorn-results","version":2})" + '\n' +
                    Line("Английски", 'a', 33, {"R", "y", "-"}) + '\n' +
                    Line(kGeometry, 'b', 50, {"R", "-"}) + '\n');
        second.write(Line(kGeometry, 'b', 0, {"c", "d"}) + '\n' +
                     Line(kGeometry, 'b', 100, {"R", "R"})); // no newline at the end
    }
    QTemporaryDir dir_;
    QString first_ = dir_.filePath("8a.jsonl"), second_ = dir_.filePath("8b.jsonl");
    QString missing_ = dir_.filePath("none.jsonl");
};

} // namespace

TEST_F(ResultsReport, TextGivesEachBanksFiguresAndTellsWhatWasSkipped) {
    const Reported r = Report({first_, missing_, second_}, ReportFormat::Text);
    EXPECT_EQ(r.status, kExitOk);
    const QString distributionA = "    0–9  0\n  10–19  0\n  20–29  0\n  30–39  3\n  40–49  0\n"
                                  "  50–59  0\n  60–69  0\n  70–79  0\n  80–89  0\n  90–99  0\n"
                                  "    100  1\n";
    const QString distributionB = "    0–9  1\n  10–19  0\n  20–29  0\n  30–39  0\n  40–49  0\n"
                                  "  50–59  1\n  60–69  0\n  70–79  0\n  80–89  0\n  90–99  0\n"
                                  "    100  1\n";
    EXPECT_EQ(
        r.out,
        "Тест „Английски“\nSHA-256 " + QString(64, u'a') +
            "\nОпити: 4\nПроцент: среден 49,8, медиана 33,0\n"
            "Разпределение на процентите:\n" +
            distributionA +
            "Въпроси от най-трудния към най-лесния:\n"
            "  въпрос 2 („k2“): верни 25,0 %, без отговор 0,0 %, най-честа грешка „x“ (50,0 %)\n"
            "  въпрос 3 („k3“): верни 50,0 %, без отговор 50,0 %, без грешни отговори\n"
            "  въпрос 1 („k1“): верни 75,0 %, без отговор 0,0 %, най-честа грешка „b“ (25,0 %)\n"
            "\n"
            "Тест „Геометрия, 8 \"б\"“\nSHA-256 " +
            QString(64, u'b') +
            "\nОпити: 3\nПроцент: среден 50,0, медиана 50,0\n"
            "Разпределение на процентите:\n" +
            distributionB +
            "Въпроси от най-трудния към най-лесния:\n"
            "  въпрос 2 („k2“): верни 33,3 %, без отговор 33,3 %, най-честа грешка „d“ (33,3 %)\n"
            "  въпрос 1 („k1“): верни 66,7 %, без отговор 0,0 %, най-честа грешка „c“ (33,3 %)\n");
    EXPECT_EQ(r.err, "vorn-player: " + missing_ +
                         ": файлът не съществува.\n"
                         "vorn-player: пропуснати редове, които не са записи на резултати: 2 (" +
                         first_ + ":3, " + first_ + ":6).\n");
}

TEST_F(ResultsReport, CsvHasOneRowPerQuestionWithItsBanksFigures) {
    const Reported r = Report({first_, second_}, ReportFormat::Csv);
    EXPECT_EQ(r.status, kExitOk);
    const QString a = "Английски," + QString(64, u'a') + ",4,49.8,33.0,0,0,0,3,0,0,0,0,0,0,1,";
    const QString b =
        "\"Геометрия, 8 \"\"б\"\"\"," + QString(64, u'b') + ",3,50.0,50.0,1,0,0,0,0,1,0,0,0,0,1,";
    EXPECT_EQ(r.out, "тест,sha256,опити,среден %,медиана %,0–9,10–19,20–29,30–39,40–49,50–59,"
                     "60–69,70–79,80–89,90–99,100,въпрос,ключ,верни %,без отговор %,"
                     "най-честа грешка,дял на грешката %\n" +
                         a + "2,k2,25.0,0.0,x,50.0\n" + a + "3,k3,50.0,50.0,,\n" + a +
                         "1,k1,75.0,0.0,b,25.0\n" + b + "2,k2,33.3,33.3,d,33.3\n" + b +
                         "1,k1,66.7,0.0,c,33.3\n");
}

TEST_F(ResultsReport, WithoutASingleRecordItFails) {
    QFile bad(dir_.filePath("bad.jsonl"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{}\n");
    bad.close();
    const Reported r = Report({bad.fileName(), missing_}, ReportFormat::Text);
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
        {"25 lines of text", QByteArray("x\n").repeated(25) + record,
         "пропуснати редове, които не са записи на резултати: 25 (F:1, F:2, F:3, F:4, F:5, F:6, "
         "F:7, F:8, F:9, F:10, F:11, F:12, F:13, F:14, F:15, F:16, F:17, F:18, F:19, F:20 и още "
         "5).\n"},
        {"a wrong percentage", Line("Т", 'a', 100, {"R", "x"}) + '\n' + record,
         "пропуснати записи, които си противоречат: 1 (F:1: 100 %, а 1 от 2 е 50 %).\n"},
        {"a record of another size", record + Line("Т", 'a', 100, {"R", "R", "R"}),
         "пропуснати записи, които си противоречат: 1 (F:2: въпросите са 3, а в първия запис на "
         "същия тест са 2).\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QTemporaryDir dir;
        QFile file(dir.filePath("r.jsonl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.lines) == c.lines.size());
        file.close();
        const Reported r = Report({file.fileName()}, ReportFormat::Text);
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
        const Reported r = Report({c.path}, ReportFormat::Text);
        EXPECT_EQ(r.status, kExitRefused);
        EXPECT_EQ(r.err, "vorn-player: " + c.printed + ": " + c.why +
                             "\nvorn-player: няма нито един запис на резултат.\n");
    }
}

TEST(ReportOfRecordTexts, ControlCharactersOfARecordArePrintedEscaped) {
    const struct {
        QString json, printed; // the text as written inside JSON, as the report shows it
    } cases[] = {
        {R"(\u001b[2J)", R"(\x1b[2J)"},
        {R"(\nОпити: 9999)", R"(\nОпити: 9999)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed.toStdString());
        QTemporaryDir dir;
        QFile file(dir.filePath("r.jsonl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Line(c.json, 'a', 50, {"R", c.json}));
        file.close();
        const Reported r = Report({file.fileName()}, ReportFormat::Text);
        EXPECT_TRUE(r.out.startsWith("Тест „" + c.printed + "“\n")) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains("най-честа грешка „" + c.printed + "“ (100,0 %)\n"));
        EXPECT_EQ(r.out.count(u'\n'), 3 + 2 + 11 + 1 + 2) << "no line of its own";
    }
}

TEST(ReportOfRecordTexts, CsvCellsThatASpreadsheetTakesForFormulasStayText) {
    const struct {
        QString json, cell; // the title as written inside JSON, its CSV cell
    } cases[] = {
        {"=1+1", "\"'=1+1\""},    {"@SUM(A1)", "\"'@SUM(A1)\""},
        {R"(\t=1)", "\"'\t=1\""}, {R"(=A1,\"b\")", R"("'=A1,""b""")"},
        {"a=b", "a=b"}, // only at the start
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.toStdString());
        QTemporaryDir dir;
        QFile file(dir.filePath("r.jsonl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Line(c.json, 'a', 100, {"R"}));
        file.close();
        const QStringList rows = Report({file.fileName()}, ReportFormat::Csv).out.split(u'\n');
        ASSERT_EQ(rows.size(), 3);
        EXPECT_TRUE(rows[1].startsWith(c.cell + ',' + QString(64, u'a'))) << rows[1].toStdString();
    }
}
