// The report as its readers see it. A class of six took the example English
// test (one abandoned a first attempt); the real player writes the HTML page
// and the workbook, and then:
// - headless Chromium reads the page back: every student's mark and every
//   question's facility, worked out by hand below, stand in it; its
//   screenshot is kept as artifacts/report.png;
// - tidy finds no error in it;
// - openpyxl reads the workbook back: its sheets, frozen headers, numbers as
//   numbers (the class number and a question's id too) and the print
//   settings;
// - Chromium prints the page to PDF, and no page ends in a heading;
// - LibreOffice, set to Bulgarian, opens the Bulgarian CSV and the workbook,
//   and their marks come back as numbers.

#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "record/result_record.h"
#include "support/file_bytes.h"
#include "support/private_environment.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct Ran {
    int status = -1;
    QString out, err;
};

Ran RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(test::PrivateEnvironment());
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(90000)) << program.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Per question of the example bank: R right, '-' none, '1' or '2' the first
// or second option that is not the key.
const struct Sitting {
    const char *name, *number;
    int attempt;
    const char* answers;
    bool abandoned;
} kSittings[] = {
    {"Ана Иванова", "1", 1, "RRRRRRRR", false},   {"Борис Петров", "2", 1, "RRRRRR1-", false},
    {"Вера Николова", "3", 1, "RRRR11--", false}, {"Георги Стоянов", "4", 1, "RR1111--", false},
    {"Дария Колева", "5", 1, "R1111111", false},  {"Емил Димов", "6", 1, "R-------", true},
    {"Емил Димов", "6", 2, "RRR1RRRR", false},
};

// Each student's row: the first attempt's mark, 2 + 4 × score / 8; Емил's
// first attempt was abandoned and has none: his mark is his second's, 7/8.
const struct {
    const char *name, *mark;
} kMarks[] = {{"Ана Иванова", "6,00</b> Отличен"},
              {"Борис Петров", "5,00</b> Много добър"},
              {"Вера Николова", "4,00</b> Добър"},
              {"Георги Стоянов", "3,00</b> Среден"},
              {"Дария Колева", "2,50</b> Слаб"},
              {"Емил Димов", "без оценка<br>завършен опит: <b>5,50</b> Отличен"}};

// Right answers per question over the first finished attempts (Емил's
// second), of 6.
const char* const kFacility[] = {"100,00 %", "83,33 %", "66,67 %", "50,00 %",
                                 "50,00 %",  "50,00 %", "33,33 %", "33,33 %"};

QByteArray Records(const BankContent& bank) {
    QByteArray lines;
    for (const Sitting& s : kSittings) {
        ResultRecord record;
        record.run = {.time = QDateTime(QDate(2024, 5, 14), QTime(9, s.attempt), Qt::UTC),
                      .user = "lab",
                      .host = "lab-07",
                      .program = "1.0",
                      .bankSha256 = BankSha256(bank),
                      .seed = 1};
        record.bankTitle = bank.settings.title;
        int score = 0;
        for (std::size_t q = 0; q < bank.questions.size(); ++q) {
            const Question& question = bank.questions[q];
            QStringList wrong = question.options;
            wrong.removeAll(question.key);
            const char a = s.answers[q];
            const std::optional<QString> chosen = a == 'R'   ? std::optional(question.key)
                                                  : a == '-' ? std::nullopt
                                                             : std::optional(wrong.value(a - '1'));
            score += a == 'R';
            record.questions.push_back({.number = int(q) + 1,
                                        .chosen = chosen,
                                        .key = question.key,
                                        .right = a == 'R',
                                        .id = {}});
        }
        record.grade = GradeOf(score, static_cast<int>(bank.questions.size()));
        record.student = Student{s.name, "8а", s.number};
        record.attempt = s.attempt;
        record.abandoned = s.abandoned;
        lines += RecordLine(record);
    }
    return lines;
}

class ReportReaders : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        const QString bank = VORN_EXAMPLES_DIR "/english-tenses.vorn.json";
        const QString results = dir_->filePath("8а.jsonl");
        WriteFileBytes(results, Records(LoadBankFile(bank).content));
        for (const char* format : {"html", "xlsx", "csv"}) {
            const Ran ran = RunProgram(VORN_PLAYER_PATH,
                                       {"--report", results, "--bank", bank, "--report-format",
                                        format, "--csv-locale", "bg", "--output",
                                        dir_->filePath(QString("report.") + format)});
            ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
        }
    }
    static void TearDownTestSuite() { delete dir_; }
    static QString Path(const char* name) { return dir_->filePath(name); }

    static QTemporaryDir* dir_;
};

QTemporaryDir* ReportReaders::dir_ = nullptr;

const QStringList kChromium{"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars"};

// The last line of each page of a PDF, as pdftotext places the words: the
// line lowest on the page.
QStringList LastLinesOfPages(const QString& pdf) {
    const Ran layout = RunProgram("pdftotext", {"-bbox-layout", pdf, "-"});
    EXPECT_EQ(layout.status, 0) << layout.err.toStdString();
    QStringList last;
    QXmlStreamReader xml(layout.out);
    double lowest = -1, top = 0;
    QString line;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"page") {
            last.append(QString());
            lowest = -1;
        } else if (xml.isStartElement() && xml.name() == u"line") {
            line.clear();
            top = xml.attributes().value("yMax").toDouble();
        } else if (xml.isStartElement() && xml.name() == u"word") {
            line += (line.isEmpty() ? "" : " ") + xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == u"line" && top > lowest && !last.isEmpty()) {
            lowest = top;
            last.back() = line;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return last;
}

// LibreOffice with a profile of its own, converting `file` to a workbook in
// `into`: a CSV as a Bulgarian spreadsheet reads it (";" between the cells,
// UTF-8, the language 1026, bg-BG).
Ran LibreOfficeToWorkbook(const QString& file, const QString& into, const QString& profile) {
    QStringList arguments{"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                          "--headless",
                          "--convert-to",
                          "xlsx",
                          "--outdir",
                          into};
    if (file.endsWith(".csv")) arguments << "--infilter=CSV:59,34,76,1,,1026";
    return RunProgram("soffice", arguments << file);
}

} // namespace

TEST_F(ReportReaders, ChromiumShowsEveryMarkAndEveryQuestionsFacility) {
    const QString page = QUrl::fromLocalFile(Path("report.html")).toString();
    const Ran dom = RunProgram("chromium", kChromium + QStringList{"--dump-dom", page});
    ASSERT_EQ(dom.status, 0) << dom.err.toStdString();
    for (const auto& m : kMarks) {
        const qsizetype row = dom.out.indexOf(QString("<td>") + m.name + "</td>");
        ASSERT_GE(row, 0) << m.name;
        const qsizetype mark = dom.out.indexOf(m.mark, row);
        EXPECT_TRUE(mark > row && mark < dom.out.indexOf("</tr>", row)) << m.name;
    }
    for (int q = 1; q <= 8; ++q) {
        const qsizetype section = dom.out.indexOf(QString("<h4>Въпрос %1</h4>").arg(q));
        ASSERT_GE(section, 0) << q;
        EXPECT_EQ(dom.out.indexOf(QString("Лекота ") + kFacility[q - 1], section),
                  dom.out.indexOf("Лекота ", section))
            << "question " << q;
    }

    QDir().mkpath(VORN_ARTIFACTS_DIR);
    const QString png = VORN_ARTIFACTS_DIR "/report.png";
    QFile::remove(png);
    const Ran shot =
        RunProgram("chromium",
                   kChromium + QStringList{"--screenshot=" + png, "--window-size=1000,1400", page});
    ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(1000, 1400));
}

TEST_F(ReportReaders, TidyFindsNoErrorInThePage) {
    const Ran tidy = RunProgram("tidy", {"-errors", "-quiet", Path("report.html")});
    EXPECT_LT(tidy.status, 2) << tidy.err.toStdString();
    EXPECT_FALSE(tidy.err.contains("Error:")) << tidy.err.toStdString();
}

TEST_F(ReportReaders, OpenpyxlReadsTheSheetsWithNumbersAsNumbersPrintedOnePageWide) {
    const Ran read = RunProgram(VORN_PYTHON, {VORN_READ_WORKBOOK, Path("report.xlsx")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    const QJsonArray sheets = QJsonDocument::fromJson(read.out.toUtf8()).array();
    const struct {
        const char *name, *first;                 // the sheet and its first header
        int number;                               // a column that holds a number
        double value;                             // its value in the first row
    } expected[] = {{"Ученици", "Име", 2, 1},     // Ана's number in the class
                    {"Ученици", "Име", 7, 6.0},   // Ана's mark
                    {"Въпроси", "Въпрос", 4, 6},  // students who had the hardest question
                    {"Въпроси", "Въпрос", 0, 7},  // the hardest: 7 and 8 tie, 7 comes first
                    {"Отговори", "Въпрос", 2, 1}, // its key is marked 1
                    {"Тестове", "Тест", 0, 1}};   // the test's number
    ASSERT_EQ(sheets.size(), 4) << read.out.toStdString();
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const auto found = std::find_if(sheets.begin(), sheets.end(), [&e](const QJsonValue& s) {
            return s.toObject()["name"].toString() == e.name;
        });
        ASSERT_NE(found, sheets.end());
        const QJsonObject sheet = found->toObject();
        EXPECT_EQ(sheet["frozen"].toString(), "A2");
        EXPECT_EQ(sheet["header"][0].toString(), e.first);
        const QString type = sheet["types"][e.number].toString();
        EXPECT_TRUE(type == "int" || type == "float") << type.toStdString();
        EXPECT_EQ(sheet["row"][e.number].toDouble(), e.value);
        // A4 (9) landscape, fit to one page wide and as many long, the header
        // row on every page.
        EXPECT_EQ(sheet["orientation"].toString(), "landscape");
        EXPECT_EQ(sheet["paper"].toInt(), 9);
        EXPECT_TRUE(sheet["fit"].toBool());
        EXPECT_EQ(sheet["fitWidth"].toInt(), 1);
        EXPECT_EQ(sheet["fitHeight"].toInt(), 0);
        EXPECT_EQ(sheet["titleRows"].toString(), "$1:$1");
    }
    const QJsonObject tests = sheets[3].toObject();
    EXPECT_EQ(tests["row"][2].toString().size(), 64) << "the fingerprint in full";
}

// Each heading stays with what follows it: Chromium prints the page to A4
// and no page's last line is a heading (the chart's heading stood alone at
// the foot of page 1). Where the pages break depends on the class, so the
// page's body is printed six times over, each copy lower by a sixth of a
// page than the one before it would be: wherever a heading stands, one copy
// brings it to the foot of a page.
TEST_F(ReportReaders, ChromiumPrintsNoHeadingAtTheFootOfAPage) {
    const QString html = QString::fromUtf8(FileBytes(Path("report.html")));
    const qsizetype body = html.indexOf("<body>") + 6, end = html.lastIndexOf("</body>");
    ASSERT_TRUE(body > 6 && end > body);
    QString copies = html.left(body);
    for (int copy = 0; copy < 6; ++copy)
        copies += QString("<div style=\"height: %1mm\"></div>").arg(copy * 45) +
                  html.mid(body, end - body);
    const QString shifted = Path("shifted.html");
    WriteFileBytes(shifted, (copies + html.mid(end)).toUtf8());
    const QString pdf = Path("report.pdf");
    const Ran print = RunProgram(
        "chromium", kChromium + QStringList{"--no-pdf-header-footer", "--print-to-pdf=" + pdf,
                                            QUrl::fromLocalFile(shifted).toString()});
    ASSERT_EQ(print.status, 0) << print.err.toStdString();
    const QStringList last = LastLinesOfPages(pdf);
    ASSERT_GE(last.size(), 2) << "the report fills more than a page";
    const QStringList headings{"Отчет за резултатите",   "Оценки",
                               "Ученици и оценки",       "Тестът, както го изчислява Moodle",
                               "Лекота и дискриминация", "Въпросите от най-трудния към най-лесния"};
    for (qsizetype page = 0; page + 1 < last.size(); ++page) {
        const QString& line = last[page];
        EXPECT_FALSE(headings.contains(line) ||
                     QRegularExpression("^Въпрос \\S+$").match(line).hasMatch() ||
                     line.startsWith("Тест „"))
            << "page " << page + 1 << " ends in „" << line.toStdString() << "“";
    }
}

// Ана's row as LibreOffice reads it in Bulgarian: her mark, 6,00 in the
// CSV, and her percentage are numbers, in the CSV and in the workbook.
TEST_F(ReportReaders, LibreOfficeReadsTheMarksOfTheCsvAndTheWorkbookAsNumbers) {
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "libreoffice-calc-nogui is not installed (tools/setup.sh installs it)";
    const QString into = Path("libreoffice");
    const struct {
        QString given, converted;
        int percent, mark; // their columns
    } files[] = {{Path("report.csv/students.csv"), into + "/students.xlsx", 8, 9},
                 {Path("report.xlsx"), into + "/report.xlsx", 6, 7}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.given.toStdString());
        const Ran converted = LibreOfficeToWorkbook(f.given, into, Path("libreoffice-profile"));
        ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
        const Ran read = RunProgram(VORN_PYTHON, {VORN_READ_WORKBOOK, f.converted});
        ASSERT_EQ(read.status, 0) << read.err.toStdString();
        const QJsonObject students =
            QJsonDocument::fromJson(read.out.toUtf8()).array()[0].toObject();
        EXPECT_EQ(students["row"][f.percent].toDouble(), 100) << read.out.toStdString();
        EXPECT_EQ(students["row"][f.mark].toDouble(), 6.0) << read.out.toStdString();
        for (const int column : {f.percent, f.mark}) {
            const QString type = students["types"][column].toString();
            EXPECT_TRUE(type == "int" || type == "float") << type.toStdString();
        }
    }
}
