#pragma once
// The command line. Every option adds to the player; with none it plays the
// compiled-in test. Option names are English, as on any Linux program; help
// and messages are Bulgarian, as the window is. The toolkit's own options
// (-platform, -display, ...) are accepted and left to it.

#include "present/present.h"
#include "report/report_tables.h"
#include "run/marks.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <variant>

namespace vorn {

enum class ReportFormat { Text, Csv, Html, Xlsx };

// --report and what goes with it.
struct ReportRequest {
    QStringList files;                        // --report and the files named after it
    ReportFormat format = ReportFormat::Text; // --report-format
    QString output;    // --output: the file (text, html, xlsx) or folder (csv); text: stdout
    QString bank;      // --bank: the bank the records are of, for its questions' texts
    MarkScale marks;   // --marks
    QString className; // --class: only this class
    CsvLocale csvLocale = CsvLocale::C; // --csv-locale; Bulgarian where the environment's is
};

struct CommandLine {
    enum class Command { Play, CheckBank, ExportBank, Report, Help, Version };
    Command command = Command::Play;
    QString bank;                      // --bank: play (or export) this bank file
    QString checkBank;                 // --check-bank
    bool strict = false;               // --strict: warnings fail the check
    QString exportBank;                // --export-bank
    std::optional<std::uint32_t> seed; // --seed
    QString results;                   // --results: where the record of a graded run goes
    bool askName = false;              // --ask-name: who is answering, before the test
    std::optional<int> timeLimit;      // --time-limit, in seconds
    bool exam = false;                 // --exam: confirmations, the journal, attempts
    int attempts = 1;                  // --attempts: graded attempts a student may make
    ReviewShows review = ReviewShows::Everything; // --review; an exam's default is the score
    ReportRequest report;                         // --report
    bool quitAfterFirstFrame = false;             // for the start-up benchmark; not in the help
};

struct UsageError {
    QString message; // one line, Bulgarian
};

// arguments[0] is the program.
std::variant<CommandLine, UsageError> ParseCommandLine(const QStringList& arguments);

// "40" minutes (1 to 300) or "m:ss" ("0:05" for a short limit), in seconds;
// none for anything else.
std::optional<int> TimeLimitSeconds(const QString& text);

QString CommandLineHelp();
QString CommandLineUsage(); // the usage lines shown after an error

} // namespace vorn
