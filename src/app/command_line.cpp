#include "command_line.h"

#include "exam_file.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace vorn {

namespace {

// The toolkit reads these itself from the same arguments.
const QStringList kToolkitOptionsWithValue{"platform",
                                           "platformpluginpath",
                                           "platformtheme",
                                           "plugin",
                                           "qwindowgeometry",
                                           "qwindowicon",
                                           "qwindowtitle",
                                           "display",
                                           "geometry",
                                           "style",
                                           "stylesheet",
                                           "session",
                                           "name",
                                           "title"};
const QStringList kToolkitFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The help text is written out in CommandLineHelp, in Bulgarian, so the
// options carry only their names and the names of their values.
struct Options {
    QCommandLineOption help{QStringList{"h", "help"}};
    QCommandLineOption version{QStringList{"v", "version"}};
    QCommandLineOption bank{"bank", QString(), "ФАЙЛ"};
    QCommandLineOption checkBank{"check-bank", QString(), "ФАЙЛ"};
    QCommandLineOption strict{"strict"};
    QCommandLineOption exportBank{"export-bank", QString(), "ФАЙЛ"};
    QCommandLineOption seed{"seed", QString(), "N"};
    QCommandLineOption results{"results", QString(), "ФАЙЛ"};
    QCommandLineOption askName{"ask-name"};
    QCommandLineOption largePictures{"large-pictures"};
    QCommandLineOption timeLimit{"time-limit", QString(), "М"};
    QCommandLineOption exam{"exam"};
    QCommandLineOption attempts{"attempts", QString(), "K"};
    QCommandLineOption attemptsCount{"attempts-count", QString(), "КОИ"};
    QCommandLineOption review{"review", QString(), "ВИД"};
    QCommandLineOption fullScreen{"full-screen"};
    QCommandLineOption report{"report", QString(), "ФАЙЛ"};
    QCommandLineOption reportFormat{"report-format", QString(), "ВИД"};
    QCommandLineOption output{"output", QString(), "ПЪТ"};
    QCommandLineOption marks{"marks", QString(), "P3,P4,P5,P6"};
    QCommandLineOption className{"class", QString(), "КЛАС"};
    QCommandLineOption voided{"void", QString(), "N[,M...]"};
    QCommandLineOption countAbandoned{"count-abandoned"};
    QCommandLineOption makeExamKeys{"make-exam-keys", QString(), "ПАПКА"};
    QCommandLineOption makeExam{"make-exam", QString(), "ФАЙЛ"};
    QCommandLineOption resultsKey{"results-key", QString(), "ФАЙЛ"};
    QCommandLineOption examSecret{"exam-secret", QString(), "ФАЙЛ"};
    QCommandLineOption csvLocale{"csv-locale", QString(), "ЕЗИК"};
    QCommandLineOption print{"print", QString(), "ФАЙЛ"};
    QCommandLineOption variants{"variants", QString(), "N"};
    QCommandLineOption classList{"class-list", QString(), "ФАЙЛ"};
    QCommandLineOption scan{"scan", QString(), "ФАЙЛ"};
    QCommandLineOption scanDecide{"scan-decide", QString(), "ФАЙЛ"};
    QCommandLineOption lock{"lock"};
    QCommandLineOption passwordFile{"password-file", QString(), "ФАЙЛ"};
    QCommandLineOption kiosk{"kiosk"};
    // For measuring start-up: the window closes itself once it has been painted.
    QCommandLineOption quitAfterFirstFrame{"quit-after-first-frame"};

    QList<QCommandLineOption> own() const {
        return {help,           version,
                bank,           checkBank,
                strict,         exportBank,
                seed,           results,
                report,         reportFormat,
                output,         marks,
                className,      quitAfterFirstFrame,
                askName,        timeLimit,
                exam,           attempts,
                review,         voided,
                countAbandoned, largePictures,
                fullScreen,     attemptsCount,
                makeExamKeys,   resultsKey,
                examSecret,     csvLocale,
                print,          variants,
                classList,      scan,
                scanDecide,     makeExam,
                lock,           passwordFile,
                kiosk};
    }
    // The options that change a command rather than name one.
    QList<const QCommandLineOption*> modifiers() const {
        return {&bank,           &strict,        &seed,       &results,       &reportFormat,
                &output,         &marks,         &className,  &askName,       &quitAfterFirstFrame,
                &timeLimit,      &exam,          &attempts,   &review,        &voided,
                &countAbandoned, &largePictures, &fullScreen, &attemptsCount, &csvLocale,
                &variants,       &classList,     &lock,       &passwordFile};
    }
};

// How an option is written on the line: "-h", "--bank".
QString Written(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The name of an argument that looks like an option, without dashes or value.
QString OptionName(const QString& argument) {
    QString name = argument.startsWith(QLatin1String("--")) ? argument.mid(2) : argument.mid(1);
    return name.section(u'=', 0, 0);
}

// QCommandLineParser's own messages are English; these checks come first so
// that every mistake of this kind is told in Bulgarian.
std::optional<UsageError> MisplacedValues(const QStringList& arguments, const Options& options) {
    QStringList valued = kToolkitOptionsWithValue, flags = kToolkitFlags;
    for (const QCommandLineOption& option : options.own())
        (option.valueName().isEmpty() ? flags : valued) += option.names();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) break;
        if (!argument.startsWith(u'-') || argument.size() < 2) continue;
        const QString name = OptionName(argument);
        const bool inline_ = argument.contains(u'=');
        if (valued.contains(name) && !inline_ && i + 1 >= arguments.size())
            return UsageError{QStringLiteral("след „%1“ липсва стойност.").arg(Written(name))};
        if (valued.contains(name) && !inline_) ++i; // the value may itself start with "-"
        if (flags.contains(name) && inline_)
            return UsageError{QStringLiteral("„%1“ не приема стойност.").arg(Written(name))};
        if (!valued.contains(name) && !flags.contains(name))
            return UsageError{
                QStringLiteral("непозната опция „%1“.").arg(argument.section(u'=', 0, 0))};
    }
    return std::nullopt;
}

std::optional<ReportFormat> Format(const QString& text) {
    const std::pair<const char*, ReportFormat> formats[] = {{"text", ReportFormat::Text},
                                                            {"csv", ReportFormat::Csv},
                                                            {"html", ReportFormat::Html},
                                                            {"xlsx", ReportFormat::Xlsx}};
    for (const auto& [name, format] : formats)
        if (text == QLatin1String(name)) return format;
    return std::nullopt;
}

std::optional<CsvLocale> CsvLocaleOf(const QString& text) {
    if (text == QLatin1String("bg")) return CsvLocale::Bulgarian;
    if (text == QLatin1String("c")) return CsvLocale::C;
    return std::nullopt;
}

// "bg" where numbers are written the Bulgarian way in the environment (as
// the spreadsheet started from it will read them), else "c".
QString EnvironmentCsvLocale() {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("bg")) ? QStringLiteral("bg")
                                                         : QStringLiteral("c");
    }
    return QStringLiteral("c");
}

// The report's own options: its format, where it goes, the marks, the class
// and the CSV's form.
std::optional<UsageError> ReadReportOptions(const QCommandLineParser& parser, const Options& o,
                                            ReportRequest& report) {
    if (parser.isSet(o.reportFormat)) {
        const auto format = Format(parser.value(o.reportFormat));
        if (!format)
            return UsageError{QStringLiteral("„--report-format“ иска „text“, „csv“, „html“ или "
                                             "„xlsx“, а не „%1“.")
                                  .arg(parser.value(o.reportFormat))};
        report.format = *format;
    }
    report.output = parser.value(o.output);
    if (report.format != ReportFormat::Text && report.output.isEmpty())
        return UsageError{
            QStringLiteral("„--report-format %1“ иска „--output“: %2.")
                .arg(parser.value(o.reportFormat), report.format == ReportFormat::Csv
                                                       ? QStringLiteral("папката за таблиците")
                                                       : QStringLiteral("файла на отчета"))};
    if (parser.isSet(o.marks)) {
        const auto marks = ParseMarkScale(parser.value(o.marks));
        if (!marks)
            return UsageError{QStringLiteral("„--marks“ иска четири растящи процента от 0 до 100 "
                                             "за оценките 3, 4, 5 и 6 (например 50,62,75,88), "
                                             "а не „%1“.")
                                  .arg(parser.value(o.marks))};
        report.marks = *marks;
    }
    report.className = parser.value(o.className).trimmed();
    for (const QString& question : parser.value(o.voided).split(u',', Qt::SkipEmptyParts))
        report.voided.append(question.trimmed());
    if (parser.isSet(o.voided) && report.voided.isEmpty())
        return UsageError{QStringLiteral("„--void“ иска номера или имена на въпроси, "
                                         "разделени със запетая: --void 3,7.")};
    report.countAbandoned = parser.isSet(o.countAbandoned);
    if (const auto locale = CsvLocaleOf(parser.isSet(o.csvLocale) ? parser.value(o.csvLocale)
                                                                  : EnvironmentCsvLocale()))
        report.csvLocale = *locale;
    else
        return UsageError{QStringLiteral("„--csv-locale“ иска „bg“ или „c“, а не „%1“.")
                              .arg(parser.value(o.csvLocale))};
    return std::nullopt;
}

std::optional<std::uint32_t> Seed(const QString& text) {
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || text.startsWith(u'+') || value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace

namespace {

// Parses the words; an error for what no command takes: a misplaced value,
// a stray argument, an option given twice.
std::optional<UsageError> Parse(QCommandLineParser& parser, const Options& o,
                                const QStringList& arguments) {
    if (auto error = MisplacedValues(arguments, o)) return *error;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(o.own());
    for (const QString& name : kToolkitOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kToolkitFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    if (!parser.parse(arguments)) return UsageError{parser.errorText()};
    // Only a report and a scan take more than one file; an exam file is named alone.
    const QStringList positional = parser.positionalArguments();
    const bool examFile = positional.size() == 1 && IsExamFileName(positional.first());
    if (!positional.isEmpty() && !examFile && !parser.isSet(o.report) && !parser.isSet(o.scan))
        return UsageError{
            QStringLiteral("излишен аргумент „%1“.").arg(parser.positionalArguments().first())};
    for (const QCommandLineOption& option : o.own())
        if (parser.values(option).size() > 1)
            return UsageError{QStringLiteral("„%1“ е дадена повече от веднъж.")
                                  .arg(Written(option.names().last()))};
    return std::nullopt;
}

// A command and the options that mean something to it.
struct Command {
    CommandLine::Command command;
    const QCommandLineOption* option;
    QList<const QCommandLineOption*> takes;
};

// One command at most; each takes only the options that mean something to it.
std::variant<CommandLine::Command, UsageError> ChosenCommand(const QCommandLineParser& parser,
                                                             const Options& o) {
    const Command commands[] = {
        {CommandLine::Command::CheckBank, &o.checkBank, {&o.strict, &o.passwordFile}},
        {CommandLine::Command::ExportBank, &o.exportBank, {&o.bank, &o.lock, &o.passwordFile}},
        {CommandLine::Command::Report,
         &o.report,
         {&o.reportFormat, &o.output, &o.marks, &o.className, &o.bank, &o.voided, &o.countAbandoned,
          &o.examSecret, &o.csvLocale, &o.passwordFile}},
        {CommandLine::Command::MakeExamKeys, &o.makeExamKeys, {}},
        {CommandLine::Command::MakeExam,
         &o.makeExam,
         {&o.bank, &o.results, &o.timeLimit, &o.exam, &o.attempts, &o.attemptsCount, &o.review,
          &o.resultsKey, &o.classList}},
        {CommandLine::Command::Print,
         &o.print,
         {&o.variants, &o.classList, &o.seed, &o.output, &o.passwordFile}},
        {CommandLine::Command::Scan, &o.scan, {&o.bank, &o.results, &o.output, &o.passwordFile}},
        {CommandLine::Command::ScanDecide, &o.scanDecide, {&o.bank, &o.results, &o.passwordFile}},
        // The exam session's own: everything else comes from the lab's configuration.
        {CommandLine::Command::Kiosk, &o.kiosk, {}},
    };
    const Command play{CommandLine::Command::Play,
                       nullptr,
                       {&o.bank, &o.seed, &o.results, &o.quitAfterFirstFrame, &o.askName,
                        &o.timeLimit, &o.exam, &o.attempts, &o.review, &o.largePictures,
                        &o.fullScreen, &o.attemptsCount, &o.resultsKey, &o.classList, &o.lock,
                        &o.passwordFile}};
    const Command* chosen = &play;
    for (const Command& command : commands)
        if (parser.isSet(*command.option)) {
            if (chosen != &play)
                return UsageError{QStringLiteral("„%1“ и „%2“ не се дават заедно.")
                                      .arg(Written(chosen->option->names().last()),
                                           Written(command.option->names().last()))};
            chosen = &command;
        }
    for (const QCommandLineOption* option : o.modifiers()) {
        if (!parser.isSet(*option) || chosen->takes.contains(option)) continue;
        const QString name = Written(option->names().last());
        if (chosen != &play)
            return UsageError{QStringLiteral("„%1“ не се използва с „%2“.")
                                  .arg(name, Written(chosen->option->names().last()))};
        QStringList owners; // the commands it belongs to
        for (const Command& command : commands)
            if (command.takes.contains(option))
                owners.append(QStringLiteral("„%1“").arg(Written(command.option->names().last())));
        if (!owners.isEmpty()) {
            const QString last = owners.takeLast();
            const QString joined =
                owners.isEmpty() ? last : owners.join(QStringLiteral(", ")) + " или " + last;
            return UsageError{QStringLiteral("„%1“ се използва само с %2.").arg(name, joined)};
        }
    }
    return chosen->command;
}

// A .vorn-exam file named alone, or as the bank (the menu entry names any file
// opened so): the exam it sets out. Its settings are the file's, so beside it
// only the window's own options are taken.
std::optional<std::variant<CommandLine, UsageError>> ExamFileLine(const QCommandLineParser& parser,
                                                                  const Options& o) {
    const QStringList positional = parser.positionalArguments();
    const bool named = positional.size() == 1 && IsExamFileName(positional.first()) &&
                       !parser.isSet(o.report) && !parser.isSet(o.scan);
    const bool asBank = IsExamFileName(parser.value(o.bank));
    if (!named && !asBank) return std::nullopt;
    CommandLine line;
    line.command = CommandLine::Command::OpenExam;
    line.examFile = named ? positional.first() : parser.value(o.bank);
    line.fullScreen = parser.isSet(o.fullScreen);
    line.largePictures = parser.isSet(o.largePictures);
    line.quitAfterFirstFrame = parser.isSet(o.quitAfterFirstFrame);
    line.passwordFile = parser.value(o.passwordFile);
    const QList<const QCommandLineOption*> beside{&o.fullScreen, &o.largePictures,
                                                  &o.quitAfterFirstFrame, &o.passwordFile};
    for (const QCommandLineOption& option : o.own()) {
        const bool theFile = !named && option.names() == o.bank.names();
        if (!parser.isSet(option) || theFile ||
            std::any_of(beside.begin(), beside.end(),
                        [&option](const auto* b) { return b->names() == option.names(); }))
            continue;
        return UsageError{QStringLiteral("„%1“ не се дава с файл на изпит: настройките на "
                                         "изпита са във файла.")
                              .arg(Written(option.names().last()))};
    }
    return line;
}

// What --review names: "none", "score" or "full".
std::optional<ReviewShows> ReviewShowsOf(const QString& text) {
    if (text == QLatin1String("none")) return ReviewShows::Nothing;
    if (text == QLatin1String("score")) return ReviewShows::Score;
    if (text == QLatin1String("full")) return ReviewShows::Everything;
    return std::nullopt;
}

// The exam's options: --exam needs a results file, --attempts and --review
// the exam. An exam's review shows the score unless the teacher says otherwise.
std::optional<UsageError> ReadExamOptions(const QCommandLineParser& parser, const Options& o,
                                          CommandLine& line) {
    const bool making = line.command == CommandLine::Command::MakeExam; // an exam, implied
    line.exam = parser.isSet(o.exam) || making;
    line.askName = parser.isSet(o.askName) || line.exam;
    if (line.exam && line.results.isEmpty())
        return UsageError{QStringLiteral("„%1“ иска и „--results ФАЙЛ“: без него отговорите "
                                         "не се пазят никъде.")
                              .arg(making ? "--make-exam" : "--exam")};
    if (making && !IsExamFileName(line.makeExam))
        return UsageError{QStringLiteral("„--make-exam“ иска файл, чието име завършва на "
                                         "„.vorn-exam“, а не „%1“.")
                              .arg(line.makeExam)};
    if (line.exam) line.review = ReviewShows::Score;
    if ((line.command == CommandLine::Command::Play || making) && parser.isSet(o.classList)) {
        if (!line.askName)
            return UsageError{QStringLiteral("„--class-list“ се използва само с „--print“, "
                                             "„--exam“ или „--ask-name“.")};
        line.classList = parser.value(o.classList);
    }
    if (parser.isSet(o.review)) {
        const auto shows = ReviewShowsOf(parser.value(o.review));
        if (!shows)
            return UsageError{QStringLiteral("„--review“ иска none, score или full, а не „%1“.")
                                  .arg(parser.value(o.review))};
        if (!line.exam)
            return UsageError{QStringLiteral("„--review“ се използва само с „--exam“.")};
        line.review = *shows;
    }
    if (parser.isSet(o.attemptsCount)) {
        const QString counted = parser.value(o.attemptsCount);
        if (counted != QLatin1String("all") && counted != QLatin1String("graded"))
            return UsageError{
                QStringLiteral("„--attempts-count“ иска all или graded, а не „%1“.").arg(counted)};
        if (!line.exam)
            return UsageError{QStringLiteral("„--attempts-count“ се използва само с „--exam“.")};
        line.attemptsCounted =
            counted == QLatin1String("all") ? AttemptsCounted::All : AttemptsCounted::Graded;
    }
    if (!parser.isSet(o.attempts)) return std::nullopt;
    bool whole = false;
    line.attempts = parser.value(o.attempts).toInt(&whole);
    if (!whole || line.attempts < 1 || line.attempts > 100)
        return UsageError{QStringLiteral("„--attempts“ иска цяло число от 1 до 100, а не „%1“.")
                              .arg(parser.value(o.attempts))};
    if (!line.exam) return UsageError{QStringLiteral("„--attempts“ се използва само с „--exam“.")};
    return std::nullopt;
}

// The numbers of a play: the time limit and the seed.
std::optional<UsageError> ReadPlayNumbers(const QCommandLineParser& parser, const Options& o,
                                          CommandLine& line) {
    if (parser.isSet(o.timeLimit)) {
        line.timeLimit = TimeLimitSeconds(parser.value(o.timeLimit));
        if (!line.timeLimit)
            return UsageError{QStringLiteral("„--time-limit“ иска минути от 1 до 300 или м:сс "
                                             "(например 0:30), а не „%1“.")
                                  .arg(parser.value(o.timeLimit))};
    }
    if (parser.isSet(o.seed)) {
        line.seed = Seed(parser.value(o.seed));
        if (!line.seed)
            return UsageError{QStringLiteral("„--seed“ иска цяло число от 0 до %1, а не „%2“.")
                                  .arg(std::numeric_limits<std::uint32_t>::max())
                                  .arg(parser.value(o.seed))};
    }
    return std::nullopt;
}

// --print, --scan and --scan-decide: what each needs besides its files.
std::optional<UsageError> ReadPaperRequests(const QCommandLineParser& parser, const Options& o,
                                            CommandLine& line) {
    const auto needs = [](const char* command, const char* what) {
        return UsageError{QStringLiteral("„%1“ иска и „%2“.")
                              .arg(QLatin1String(command), QString::fromUtf8(what))};
    };
    if (line.command == CommandLine::Command::Print) {
        line.print = {parser.value(o.print),     1,
                      parser.value(o.classList), line.seed,
                      parser.value(o.output),    line.passwordFile};
        if (line.print.output.isEmpty()) return needs("--print", "--output ПАПКА");
        if (!parser.isSet(o.variants)) return std::nullopt;
        bool whole = false;
        line.print.variants = parser.value(o.variants).toInt(&whole);
        if (!whole || line.print.variants < 1 || line.print.variants > kMaxVariants)
            return UsageError{QStringLiteral("„--variants“ иска цяло число от 1 до %1, а не „%2“.")
                                  .arg(kMaxVariants)
                                  .arg(parser.value(o.variants))};
    } else if (line.command == CommandLine::Command::Scan) {
        line.scan = {parser.values(o.scan) + parser.positionalArguments(), line.bank, line.results,
                     parser.value(o.output), line.passwordFile};
        if (line.scan.bank.isEmpty()) return needs("--scan", "--bank ФАЙЛ");
        if (line.scan.results.isEmpty()) return needs("--scan", "--results ФАЙЛ");
    } else if (line.command == CommandLine::Command::ScanDecide) {
        line.scanDecide = {parser.value(o.scanDecide), line.bank, line.results, line.passwordFile};
        if (line.scanDecide.bank.isEmpty()) return needs("--scan-decide", "--bank ФАЙЛ");
        if (line.scanDecide.results.isEmpty()) return needs("--scan-decide", "--results ФАЙЛ");
    }
    return std::nullopt;
}

} // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(const QStringList& arguments) {
    const Options o;
    QCommandLineParser parser;
    if (auto error = Parse(parser, o, arguments)) return *error;

    CommandLine line;
    if (parser.isSet(o.help)) {
        line.command = CommandLine::Command::Help;
        return line;
    }
    if (parser.isSet(o.version)) {
        line.command = CommandLine::Command::Version;
        return line;
    }
    if (auto exam = ExamFileLine(parser, o)) return *exam;
    auto command = ChosenCommand(parser, o);
    if (auto* error = std::get_if<UsageError>(&command)) return *error;
    line.command = std::get<CommandLine::Command>(command);
    line.bank = parser.value(o.bank);
    line.checkBank = parser.value(o.checkBank);
    line.strict = parser.isSet(o.strict);
    line.exportBank = parser.value(o.exportBank);
    line.quitAfterFirstFrame = parser.isSet(o.quitAfterFirstFrame);
    line.fullScreen = parser.isSet(o.fullScreen);
    line.results = parser.value(o.results);
    line.largePictures = parser.isSet(o.largePictures);
    line.makeExamKeys = parser.value(o.makeExamKeys);
    line.makeExam = parser.value(o.makeExam);
    line.resultsKey = parser.value(o.resultsKey);
    line.lock = parser.isSet(o.lock);
    line.passwordFile = parser.value(o.passwordFile);
    if (!line.resultsKey.isEmpty() && line.results.isEmpty())
        return UsageError{QStringLiteral("„--results-key“ иска и „--results ФАЙЛ“.")};
    if (auto error = ReadExamOptions(parser, o, line)) return *error;
    if (parser.isSet(o.report)) {
        line.report.files = parser.values(o.report) + parser.positionalArguments();
        line.report.bank = line.bank;
        line.report.examSecret = parser.value(o.examSecret);
        line.report.passwordFile = line.passwordFile;
        if (auto error = ReadReportOptions(parser, o, line.report)) return *error;
    }
    if (auto error = ReadPlayNumbers(parser, o, line)) return *error;
    if (auto error = ReadPaperRequests(parser, o, line)) return *error;
    return line;
}

std::optional<int> TimeLimitSeconds(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?::([0-5]\\d))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const int minutes = match.captured(1).toInt();
    const bool withSeconds = match.lastCapturedIndex() == 2;
    const int seconds = minutes * 60 + (withSeconds ? match.captured(2).toInt() : 0);
    if ((!withSeconds && minutes < 1) || seconds < 1 || seconds > 300 * 60) return std::nullopt;
    return seconds;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "Употреба: vorn-player [--bank ФАЙЛ] [--seed N] [--results ФАЙЛ] "
        "[--ask-name] [--time-limit М]\n"
        "                      [--large-pictures] [--full-screen]\n"
        "                      [--results-key exam.pub]\n"
        "                      [--class-list ФАЙЛ] [--lock] [--password-file ФАЙЛ]\n"
        "                      [--exam [--attempts K] [--attempts-count all|graded]\n"
        "                              [--review none|score|full]]\n"
        "          vorn-player --check-bank ФАЙЛ [--strict] [--password-file ФАЙЛ]\n"
        "          vorn-player --export-bank ФАЙЛ [--bank ФАЙЛ] [--lock]\n"
        "                      [--password-file ФАЙЛ]\n"
        "          vorn-player --report ФАЙЛ... [--report-format text|csv|html|xlsx]\n"
        "                      [--output ПЪТ] [--bank ФАЙЛ] [--marks P3,P4,P5,P6]\n"
        "                      [--class КЛАС] [--void N[,M...]] [--count-abandoned]\n"
        "                      [--exam-secret exam.secret] [--csv-locale bg|c]\n"
        "                      [--password-file ФАЙЛ]\n"
        "          vorn-player --make-exam-keys ПАПКА\n"
        "          vorn-player --make-exam ФАЙЛ.vorn-exam --results ФАЙЛ [--bank ФАЙЛ]\n"
        "                      [--time-limit М] [--attempts K]\n"
        "                      [--attempts-count all|graded] [--review none|score|full]\n"
        "                      [--results-key exam.pub] [--class-list ФАЙЛ]\n"
        "          vorn-player ФАЙЛ.vorn-exam [--full-screen] [--large-pictures]\n"
        "                      [--password-file ФАЙЛ]\n"
        "          vorn-player --kiosk\n"
        "          vorn-player --print ФАЙЛ [--variants N] [--class-list ФАЙЛ] [--seed N]\n"
        "                      --output ПАПКА\n"
        "          vorn-player --scan ФАЙЛ... --bank ФАЙЛ --results ФАЙЛ [--output ФАЙЛ]\n"
        "          vorn-player --scan-decide ФАЙЛ --bank ФАЙЛ --results ФАЙЛ\n"
        "          vorn-player --help | --version\n");
}

QString CommandLineHelp() {
    return CommandLineUsage() +
           QStringLiteral(
               "\n"
               "Решаване на затворен тест с избор на един верен отговор. Без опции програмата\n"
               "пуска вградения тест по геометрия.\n"
               "\n"
               "Опции:\n"
               "  --bank ФАЙЛ         пуска теста от файла: банка vorn-bank (.vorn.json),\n"
               "                      Moodle GIFT (.gift), Moodle XML (.xml) или Moodle Aiken\n"
               "                      (.aiken, .txt); с --report: банката на записите, за\n"
               "                      текстовете на въпросите и отговорите, които никой не е\n"
               "                      избрал, или поправената ѝ версия: всички опити се\n"
               "                      оценяват наново по новите ключове\n"
               "  --seed N            еднакъв ред на въпросите и отговорите при едно и също N\n"
               "                      (цяло число от 0 до 4294967295); с --print: същите\n"
               "                      варианти\n"
               "  --results ФАЙЛ      след оценяването добавя записа на резултата като ред\n"
               "                      във файла (JSON Lines), за да ги събере учителят\n"
               "  --results-key ФАЙЛ  с --results: всеки запис се запечатва с публичния ключ\n"
               "                      на изпита (exam.pub); отваря го само учителят с\n"
               "                      тайния ключ (--exam-secret)\n"
               "  --ask-name          преди теста пита за име, клас и номер; стоят в заглавието\n"
               "                      на прозореца и в записа на резултата\n"
               "  --time-limit М      време за теста: М минути (1 до 300) или м:сс; оставащото\n"
               "                      стои в заглавието и едро в прозореца, 5 и 1 минута\n"
               "                      преди края се появява предупреждение, а при нула\n"
               "                      тестът се оценява сам след съобщение\n"
               "  --large-pictures    картинката на въпроса става бутон: щракване, Enter или\n"
               "                      интервал я отваря на целия екран, Esc, Enter или\n"
               "                      щракване я затваря; времето тече\n"
               "  --exam              изпит в компютърния кабинет (иска --results): пита за\n"
               "                      име и клас, пита преди оценяване с въпроси без\n"
               "                      отговор и преди изход без оценяване (и тогава записва\n"
               "                      прекъснат опит), пази всеки отговор в дневник до\n"
               "                      файла с резултатите и след срив продължава същия опит\n"
               "  --attempts K        с --exam: колко пъти ученик може да реши теста\n"
               "                      (1 до 100; по подразбиране 1)\n"
               "  --attempts-count КОИ с --exam: кои опити се броят: all (по подразбиране:\n"
               "                      и прекъснатите) или graded (само оценените; тогава\n"
               "                      прекъснатият опит продължава със същите въпроси,\n"
               "                      отговори и използвано време)\n"
               "  --review ВИД        с --exam: какво показва прегледът след оценяване: score\n"
               "                      (по подразбиране: резултатът, оценката и кои въпроси са\n"
               "                      верни, без верните отговори и обясненията), none (само\n"
               "                      че тестът е предаден) или full (всичко, както при\n"
               "                      упражнение)\n"
               "  --full-screen       прозорецът на теста заема целия екран и всичко в него\n"
               "                      расте в същите пропорции; също при увеличен прозорец\n"
               "  --kiosk             изпитната сесия на кабинета: изпитът от\n"
               "                      /etc/vorn-player/exam.conf (или файла в VORN_EXAM_CONF)\n"
               "                      на целия екран, без рамка, и прозорецът не се затваря,\n"
               "                      преди тестът да е оценен или прекъснат с „Изход“; само\n"
               "                      в сесия на Wayland (vorn-exam-session)\n"
               "  --check-bank ФАЙЛ   проверява банката и изписва грешките и предупрежденията,\n"
               "                      без да отваря прозорец\n"
               "  --strict            с --check-bank: и предупрежденията дават изходен код 1\n"
               "  --export-bank ФАЙЛ  записва банката (вградената или тази от --bank) във\n"
               "                      формата vorn-bank, с картинките в папка до файла\n"
               "  --lock              с --export-bank: банката и картинките ѝ се записват в\n"
               "                      един файл, заключен с парола (пита се два пъти, без да\n"
               "                      се показва; поне 8 знака); при пускане прозорец пита\n"
               "                      паролата, три грешни опита завършват с код 1 без нищо\n"
               "                      записано. При пускане: банката трябва да е заключена\n"
               "  --password-file ФАЙЛ паролата на заключена банка е първият ред на файла\n"
               "                      (за скриптове); иначе се пита. Никога не давайте\n"
               "                      паролата като стойност на опция: командните редове се\n"
               "                      виждат в списъка на процесите\n"
               "  --report ФАЙЛ...    отчет по файлове с резултати, без прозорец: учениците с\n"
               "                      оценките им, статистиката на теста и на въпросите\n"
               "                      както в Moodle, кои грешни отговори привличат\n"
               "  --report-format ВИД с --report: text (текст, по подразбиране), csv (таблиците\n"
               "                      students.csv, questions.csv и options.csv за програми),\n"
               "                      html (страница с диаграми) или xlsx (работна книга)\n"
               "  --output ПЪТ        с --report: файлът на отчета или за csv папката;\n"
               "                      текстът без --output отива на стандартния изход;\n"
               "                      с --print: папката на PDF файловете; със --scan:\n"
               "                      страницата за преглед (HTML), когато няма дисплей\n"

               "  --marks P3,P4,P5,P6 с --report: най-ниските проценти за 3, 4, 5 и 6 вместо\n"
               "                      оценка 2 + 4 × верни / общо\n"
               "  --class КЛАС        с --report: само учениците от този клас\n"
               "  --void N[,M...]     с --report: въпросите (номера или имена) не влизат в\n"
               "                      резултатите, оценките и статистиката\n"
               "  --count-abandoned   с --report: прекъснатите опити получават оценка и се\n"
               "                      броят като завършени\n"
               "  --exam-secret ФАЙЛ  с --report: тайният ключ на изпита (exam.secret), който\n"
               "                      отваря запечатаните записи\n"
               "  --make-exam-keys ПАПКА записва двойка ключове за изпита: exam.pub за\n"
               "                      кабинета и exam.secret само за учителя (права 0600);\n"
               "                      съществуващи ключове не се презаписват\n"
               "  --make-exam ФАЙЛ    записва файл на изпит (ФАЙЛ.vorn-exam) с опциите до нея:\n"
               "                      --bank, --results (задължителна), --time-limit,\n"
               "                      --attempts, --attempts-count, --review, --results-key,\n"
               "                      --class-list; отбелязва дали банката е заключена;\n"
               "                      пътищата в него са спрямо папката му, за да се копира\n"
               "                      папката цялата; съществуващ файл не се презаписва.\n"
               "                      vorn-player ФАЙЛ.vorn-exam (или двойно щракване)\n"
               "                      започва изпита с тези настройки\n"
               "  --csv-locale ЕЗИК   с --report-format csv: bg („;“, десетична запетая и\n"
               "                      български заглавия на колоните; по подразбиране при\n"
               "                      български език на средата) или c („,“, точка и\n"
               "                      английски имена на колоните, за програми)\n"
               "  --print ФАЙЛ        тест на хартия от банката: в папката от --output\n"
               "                      записва variants.pdf (вариантите), sheets.pdf (листовете\n"
               "                      за отговори) и key.pdf (ключът за учителя)\n"
               "  --variants N        с --print: колко варианта (1 до 26; по подразбиране 1)\n"
               "  --class-list ФАЙЛ   с --print: по един лист с името на всеки ученик от\n"
               "                      списъка (ред „номер;име;клас“); без него празни листове.\n"
               "                      С --exam или --ask-name: ученикът избира класа и името\n"
               "                      си от списъка и е познат по клас и номер\n"
               "  --scan ФАЙЛ...      оценява сканираните листове за отговори (PNG, JPEG, TIFF,\n"
               "                      PDF) и добавя записите им в --results; съмнителните\n"
               "                      листове отиват за преглед\n"
               "  --scan-decide ФАЙЛ  записва листовете от прегледа с решенията на учителя\n"
               "  -h, --help          тази помощ\n"
               "  -v, --version       версията на програмата\n"
               "\n"
               "Клавиши в прозореца:\n"
               "  1-5, A-E            избира отговора, чийто бутон показва тази цифра или буква;\n"
               "                      и кирилските А, В, С, Е, и клавишите A-E по мястото им\n"
               "                      на клавиатурата при всяка подредба (като щракване)\n"
               "  Page Down, Page Up  „Напред“ и „Назад“ (в теста и при преглед)\n"
               "  Tab, Shift+Tab      следващият и предишният елемент; стрелките - между "
               "отговорите\n"
               "  Интервал, Enter     натиска бутона или отговора с фокуса\n"
               "  Alt+И, Alt+А        „Изход“ и „Автор“; Alt сам показва менюто\n"
               "  „Оценяване“ няма клавиш, за да не се натисне случайно.\n"
               "\n"
               "Изходни кодове: 0 успех; 1 тестът не може да започне, проверката намери грешки,\n"
               "записът не успя или в отчета няма нито един запис; 2 грешен команден ред;\n"
               "3 вътрешна грешка.\n");
}

} // namespace vorn
