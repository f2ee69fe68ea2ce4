// Reading the command line: what each option asks for, and every mistake told
// as a usage error in one Bulgarian line.

#include "app/command_line.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

std::variant<CommandLine, UsageError> Parse(const QStringList& arguments) {
    return ParseCommandLine(QStringList{"vorn-player"} + arguments);
}

} // namespace

TEST(CommandLine, OptionsSayWhatToDo) {
    using C = CommandLine::Command;
    const struct {
        QStringList arguments;
        C command;
        QString bank, checkBank, exportBank;
        bool strict;
        std::optional<std::uint32_t> seed;
    } cases[] = {
        {{}, C::Play, "", "", "", false, std::nullopt},
        {{"--bank", "t.gift", "--seed", "42"}, C::Play, "t.gift", "", "", false, 42},
        {{"--seed=4294967295"}, C::Play, "", "", "", false, 4294967295u},
        {{"--check-bank", "a.vorn.json", "--strict"},
         C::CheckBank,
         "",
         "a.vorn.json",
         "",
         true,
         {}},
        {{"--export-bank", "out.vorn.json", "--bank", "t.gift"},
         C::ExportBank,
         "t.gift",
         "",
         "out.vorn.json",
         false,
         {}},
        {{"-h"}, C::Help, "", "", "", false, {}},
        {{"--bank", "x", "--help"}, C::Help, "", "", "", false, {}},
        {{"--version"}, C::Version, "", "", "", false, {}},
        {{"-platform", "offscreen", "--bank", "t.gift"}, C::Play, "t.gift", "", "", false, {}},
        {{"-reverse", "--display", ":1"}, C::Play, "", "", "", false, {}},
        {{"--kiosk"}, C::Kiosk, "", "", "", false, {}},
    };
    const auto quick = Parse({"--quit-after-first-frame"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(quick));
    EXPECT_TRUE(std::get<CommandLine>(quick).quitAfterFirstFrame);
    // Opening pictures large is asked for, and only for a play.
    const auto large = Parse({"--large-pictures"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(large));
    EXPECT_TRUE(std::get<CommandLine>(large).largePictures);
    EXPECT_FALSE(std::get<CommandLine>(Parse({})).largePictures);
    EXPECT_TRUE(
        std::holds_alternative<UsageError>(Parse({"--check-bank", "a", "--large-pictures"})));
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments);
        const auto* line = std::get_if<CommandLine>(&parsed);
        ASSERT_NE(line, nullptr) << c.arguments.join(' ').toStdString() << ": "
                                 << std::get<UsageError>(parsed).message.toStdString();
        EXPECT_EQ(line->command, c.command) << c.arguments.join(' ').toStdString();
        if (c.command == C::Help || c.command == C::Version) continue;
        EXPECT_EQ(line->bank, c.bank);
        EXPECT_EQ(line->checkBank, c.checkBank);
        EXPECT_EQ(line->exportBank, c.exportBank);
        EXPECT_EQ(line->strict, c.strict);
        EXPECT_EQ(line->seed, c.seed);
    }
}

TEST(CommandLine, ResultsWhilePlayingAndAReportOverFiles) {
    const auto play = Parse({"--bank", "t.gift", "--results", "/srv/8a.jsonl"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(play));
    EXPECT_EQ(std::get<CommandLine>(play).command, CommandLine::Command::Play);
    EXPECT_EQ(std::get<CommandLine>(play).results, "/srv/8a.jsonl");
    const auto exam = Parse({"--exam", "--results", "r", "--attempts", "3"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(exam));
    const CommandLine& e = std::get<CommandLine>(exam);
    EXPECT_EQ(std::tuple(e.exam, e.askName, e.attempts), std::tuple(true, true, 3));
    // Left attempts count unless the teacher says only graded ones do.
    EXPECT_EQ(e.attemptsCounted, AttemptsCounted::All);
    const auto graded = Parse({"--exam", "--results", "r", "--attempts-count", "graded"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(graded));
    EXPECT_EQ(std::get<CommandLine>(graded).attemptsCounted, AttemptsCounted::Graded);
    // Review: everything in practice, the score in an exam unless it says otherwise.
    const struct {
        QStringList arguments;
        ReviewShows shows;
    } reviews[] = {
        {{}, ReviewShows::Everything},
        {{"--exam", "--results", "r"}, ReviewShows::Score},
        {{"--exam", "--results", "r", "--review", "none"}, ReviewShows::Nothing},
        {{"--exam", "--results", "r", "--review", "full"}, ReviewShows::Everything},
    };
    for (const auto& c : reviews) {
        const auto parsed = Parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed))
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(std::get<CommandLine>(parsed).review, c.shows)
            << c.arguments.join(' ').toStdString();
    }

    const struct {
        QStringList arguments;
        QStringList files;
        ReportFormat format;
        QString output, bank, className;
    } cases[] = {
        {{"--report", "a.jsonl"}, {"a.jsonl"}, ReportFormat::Text, "", "", ""},
        {{"--report", "a.jsonl", "b.jsonl", "c.jsonl", "--report-format", "csv", "--output", "d"},
         {"a.jsonl", "b.jsonl", "c.jsonl"},
         ReportFormat::Csv,
         "d",
         "",
         ""},
        {{"--report-format=html", "--report", "a.jsonl", "--output=r.html", "--bank", "t.gift",
          "--class", " 8б "},
         {"a.jsonl"},
         ReportFormat::Html,
         "r.html",
         "t.gift",
         "8б"},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments);
        const auto* line = std::get_if<CommandLine>(&parsed);
        ASSERT_NE(line, nullptr) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line->command, CommandLine::Command::Report);
        EXPECT_EQ(line->report.files, c.files);
        EXPECT_EQ(line->report.format, c.format);
        EXPECT_EQ(line->report.output, c.output);
        EXPECT_EQ(line->report.bank, c.bank);
        EXPECT_EQ(line->report.className, c.className);
    }
    // Paper tests: the print's files and numbers, every scanned file.
    const auto print =
        std::get<CommandLine>(Parse({"--print", "b.gift", "--variants", "4", "--class-list",
                                     "8а.txt", "--seed", "7", "--output", "d"}));
    EXPECT_EQ(print.command, CommandLine::Command::Print);
    EXPECT_EQ(print.print.bank, "b.gift");
    EXPECT_EQ(print.print.variants, 4);
    EXPECT_EQ(print.print.classList, "8а.txt");
    EXPECT_EQ(print.print.seed, 7u);
    EXPECT_EQ(print.print.output, "d");
    // The students an exam lets choose from; the print's list stays the print's.
    for (const QStringList& asks : {QStringList{"--exam", "--results", "r"}, {"--ask-name"}}) {
        const auto listed =
            std::get<CommandLine>(Parse(asks + QStringList{"--class-list", "8а.txt"}));
        EXPECT_EQ(std::tuple(listed.command, listed.classList, listed.print.classList),
                  std::tuple(CommandLine::Command::Play, QString("8а.txt"), QString()));
    }
    EXPECT_EQ(print.classList, QString()) << "a print asks nobody";
    EXPECT_EQ(std::get<CommandLine>(Parse({"--print", "b.gift", "--output", "d"})).print.variants,
              1);
    const auto scan = std::get<CommandLine>(
        Parse({"--scan", "a.pdf", "b.png", "c.tiff", "--bank", "b.gift", "--results", "r"}));
    EXPECT_EQ(scan.command, CommandLine::Command::Scan);
    EXPECT_EQ(scan.scan.files, QStringList({"a.pdf", "b.png", "c.tiff"}));
    EXPECT_EQ(scan.scan.bank, "b.gift");
    EXPECT_EQ(scan.scan.results, "r");

    // Off unless asked: nothing voided, abandoned attempts apart.
    const auto plain = std::get<CommandLine>(Parse({"--report", "a.jsonl"}));
    EXPECT_TRUE(plain.report.voided.isEmpty());
    EXPECT_FALSE(plain.report.countAbandoned);
    const auto remarked = std::get<CommandLine>(
        Parse({"--report", "a.jsonl", "--void", "3, q7", "--count-abandoned"}));
    EXPECT_EQ(remarked.report.voided, QStringList({"3", "q7"}));
    EXPECT_TRUE(remarked.report.countAbandoned);
}

// The CSV's form: as asked, else Bulgarian where the environment's numbers
// are (LC_ALL before LC_NUMERIC before LANG).
TEST(CommandLine, CsvLocaleAsAskedElseFromTheEnvironment) {
    const struct {
        QStringList arguments;
        const char *all, *numeric, *lang;
        CsvLocale locale;
    } cases[] = {
        {{"--csv-locale", "c"}, "bg_BG.UTF-8", "", "", CsvLocale::C},
        {{"--csv-locale", "bg"}, "C.UTF-8", "", "", CsvLocale::Bulgarian},
        {{}, "bg_BG.UTF-8", "", "", CsvLocale::Bulgarian},
        {{}, "en_US.UTF-8", "bg_BG.UTF-8", "bg_BG.UTF-8", CsvLocale::C},
        {{}, "", "bg_BG.UTF-8", "en_US.UTF-8", CsvLocale::Bulgarian},
        {{}, "", "", "bg_BG.UTF-8", CsvLocale::Bulgarian},
        {{}, "", "", "", CsvLocale::C},
    };
    const char* const names[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
    QByteArray saved[3];
    for (int i = 0; i < 3; ++i)
        saved[i] = qgetenv(names[i]);
    for (const auto& c : cases) {
        const char* values[] = {c.all, c.numeric, c.lang};
        for (int i = 0; i < 3; ++i)
            qputenv(names[i], values[i]);
        const auto parsed = Parse(
            QStringList{"--report", "a", "--report-format", "csv", "--output", "d"} + c.arguments);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed)) << c.all << c.lang;
        EXPECT_EQ(std::get<CommandLine>(parsed).report.csvLocale, c.locale)
            << c.arguments.join(' ').toStdString() << " " << c.all << "|" << c.numeric << "|"
            << c.lang;
    }
    for (int i = 0; i < 3; ++i)
        saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
}

TEST(CommandLine, MistakesAreUsageErrorsInOneLine) {
    const struct {
        QStringList arguments;
        QString says;
    } cases[] = {
        {{"--bogus"}, "непозната опция „--bogus“"},
        {{"-x"}, "непозната опция „-x“"},
        {{"--bank"}, "след „--bank“ липсва стойност"},
        {{"--seed"}, "след „--seed“ липсва стойност"},
        {{"--strict=yes", "--check-bank", "a"}, "„--strict“ не приема стойност"},
        {{"--seed", "-1"}, "„--seed“ иска цяло число"},
        {{"--seed", "4294967296"}, "„--seed“ иска цяло число"},
        {{"--seed", "12a"}, "„--seed“ иска цяло число"},
        {{"extra"}, "излишен аргумент „extra“"},
        {{"--bank", "a", "--bank", "b"}, "повече от веднъж"},
        {{"--check-bank", "a", "--export-bank", "b"}, "не се дават заедно"},
        {{"--strict"}, "само с „--check-bank“"},
        {{"--check-bank", "a", "--seed", "1"}, "„--seed“ не се използва с „--check-bank“"},
        {{"--check-bank", "a", "--bank", "b"}, "„--bank“ не се използва с „--check-bank“"},
        {{"--export-bank", "a", "--quit-after-first-frame"}, "не се използва с „--export-bank“"},
        // The exam session takes its exam from the lab's configuration only.
        {{"--kiosk", "--bank", "a.gift"}, "„--bank“ не се използва с „--kiosk“"},
        {{"--kiosk", "--full-screen"}, "„--full-screen“ не се използва с „--kiosk“"},
        {{"--kiosk", "lab.vorn-exam"}, "„--kiosk“ не се дава с файл на изпит"},
        {{"--check-bank", "a", "extra"}, "излишен аргумент „extra“"},
        {{"--report-format", "csv"}, "„--report-format“ се използва само с „--report“"},
        {{"--report", "a", "--report-format", "xml"}, "„html“ или „xlsx“, а не „xml“"},
        {{"--report", "a", "--report-format", "xlsx"}, "„--report-format xlsx“ иска „--output“"},
        {{"--report", "a", "--marks", "50,40,75,88"}, "„--marks“ иска четири растящи процента"},
        {{"--report", "a", "--csv-locale", "de"}, "„--csv-locale“ иска „bg“ или „c“, а не „de“"},
        {{"--output", "r.html"},
         "„--output“ се използва само с „--report“, „--print“ или „--scan“"},
        {{"--variants", "3"}, "„--variants“ се използва само с „--print“."},
        {{"--print", "b.gift"}, "„--print“ иска и „--output ПАПКА“"},
        {{"--print", "b.gift", "--output", "d", "--variants", "27"}, "от 1 до 26, а не „27“"},
        {{"--print", "b.gift", "--output", "d", "--results", "r"}, "не се използва с „--print“"},
        {{"--scan", "p.pdf", "--results", "r"}, "„--scan“ иска и „--bank ФАЙЛ“"},
        {{"--scan", "p.pdf", "--bank", "b"}, "„--scan“ иска и „--results ФАЙЛ“"},
        {{"--scan-decide", "d.txt", "--bank", "b"}, "„--scan-decide“ иска и „--results ФАЙЛ“"},
        {{"--scan-decide", "d.txt", "--bank", "b", "--results", "r", "extra"},
         "излишен аргумент „extra“"},
        {{"--report", "a", "--void", ","}, "„--void“ иска номера или имена на въпроси"},
        {{"--count-abandoned"}, "„--count-abandoned“ се използва само с „--report“"},
        {{"--report", "a", "--results", "b"}, "„--results“ не се използва с „--report“"},
        {{"--report", "a", "--check-bank", "b"}, "не се дават заедно"},
        {{"--exam"}, "„--exam“ иска и „--results ФАЙЛ“"},
        {{"--exam", "--results", "r", "--attempts", "0"}, "от 1 до 100, а не „0“"},
        {{"--results", "r", "--attempts", "2"}, "„--attempts“ се използва само с „--exam“"},
        {{"--review", "full"}, "„--review“ се използва само с „--exam“"},
        {{"--results", "r", "--class-list", "8а.txt"},
         "„--class-list“ се използва само с „--print“, „--exam“ или „--ask-name“."},
        {{"--report", "a", "--class-list", "8а.txt"}, "„--class-list“ не се използва с „--report“"},
        {{"--attempts-count", "graded"}, "„--attempts-count“ се използва само с „--exam“"},
        {{"--exam", "--results", "r", "--attempts-count", "Graded"},
         "all или graded, а не „Graded“"},
        {{"--exam", "--results", "r", "--review", "all"}, "none, score или full, а не „all“"},
        // An exam file sets the exam out; only the window's own options go beside it.
        {{"lab.vorn-exam", "--seed", "1"}, "„--seed“ не се дава с файл на изпит"},
        {{"lab.vorn-exam", "--results", "r"}, "„--results“ не се дава с файл на изпит"},
        {{"--bank=lab.vorn-exam", "--exam"}, "„--exam“ не се дава с файл на изпит"},
        {{"a.vorn-exam", "b.vorn-exam"}, "излишен аргумент „a.vorn-exam“"},
        {{"--make-exam", "a.vorn-exam"}, "„--make-exam“ иска и „--results ФАЙЛ“"},
        {{"--make-exam", "a.vorn.json", "--results", "r"}, "завършва на „.vorn-exam“"},
        {{"--make-exam", "a.vorn-exam", "--results", "r", "--seed", "1"},
         "„--seed“ не се използва с „--make-exam“"},
        {{"--make-exam", "a.vorn-exam", "--check-bank", "b"}, "не се дават заедно"},
    };
    for (const auto& c : cases) {
        const auto parsed = Parse(c.arguments);
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(error->message.contains(c.says)) << error->message.toStdString();
        EXPECT_FALSE(error->message.contains(u'\n'));
    }
}

TEST(CommandLine, ATimeLimitIsMinutesOrMinutesAndSeconds) {
    const struct {
        const char* text;
        std::optional<int> seconds;
    } cases[] = {
        {"40", 2400}, {"1", 60},      {"300", 18000}, {"0:05", 5},    {"2:30", 150},
        {"0", {}},    {"301", {}},    {"0:00", {}},   {"1:60", {}},   {"1:5", {}},
        {"-1", {}},   {"40 min", {}}, {"", {}},       {"300:01", {}}, {"٤٠", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeLimitSeconds(QString::fromUtf8(c.text)), c.seconds) << c.text;
}

// The fault: an exam file named on the line played as a bank, or the window's
// options beside it dropped. (What --make-exam implies is seen in the file
// it writes: tests/app/exam_file_test.cpp.)
TEST(CommandLine, AnExamFileIsOpenedAloneOrAsTheBankAndMadeWithTheExamsOptions) {
    using C = CommandLine::Command;
    const struct {
        QStringList arguments;
        C command;
        QString examFile;
        bool fullScreen;
    } opened[] = {
        {{"lab.vorn-exam"}, C::OpenExam, "lab.vorn-exam", false},
        {{"/училище/8а/LAB.VORN-EXAM"}, C::OpenExam, "/училище/8а/LAB.VORN-EXAM", false},
        {{"--bank=/x/lab.vorn-exam"}, C::OpenExam, "/x/lab.vorn-exam", false},
        {{"-platform", "offscreen", "lab.vorn-exam", "--full-screen"},
         C::OpenExam,
         "lab.vorn-exam",
         true},
        {{"--bank", "lab.vorn.json"}, C::Play, "", false},
    };
    for (const auto& c : opened) {
        const auto parsed = Parse(c.arguments);
        const auto* line = std::get_if<CommandLine>(&parsed);
        ASSERT_NE(line, nullptr) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(std::tuple(line->command, line->examFile, line->fullScreen),
                  std::tuple(c.command, c.examFile, c.fullScreen))
            << c.arguments.join(' ').toStdString();
    }
}
