#pragma once
// The command line. Every option adds to the player; with none it plays the
// compiled-in test. Option names are English, as on any Linux program; help
// and messages are Bulgarian, as the window is. The toolkit's own options
// (-platform, -display, ...) are accepted and left to it.

#include "exam/exam_start.h"
#include "paper/paper_requests.h"
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
    QString output;     // --output: the file (text, html, xlsx) or folder (csv); text: stdout
    QString bank;       // --bank: the bank the records are of, for its questions' texts
    MarkScale marks;    // --marks
    QString className;  // --class: only this class
    QStringList voided; // --void: questions (ids or numbers) left out of every figure
    bool countAbandoned = false;        // --count-abandoned: abandoned attempts marked and counted
    QString examSecret;                 // --exam-secret: the key that opens sealed records
    CsvLocale csvLocale = CsvLocale::C; // --csv-locale; Bulgarian where the environment's is
    QString passwordFile;               // --password-file: the locked bank's password
};

struct CommandLine {
    enum class Command {
        Play,
        CheckBank,
        ExportBank,
        Report,
        MakeExamKeys,
        MakeExam,
        OpenExam,
        Print,
        Scan,
        ScanDecide,
        Kiosk,
        Help,
        Version
    };
    Command command = Command::Play;
    QString bank;         // --bank: play (or export) this bank file
    QString checkBank;    // --check-bank
    bool strict = false;  // --strict: warnings fail the check
    QString exportBank;   // --export-bank
    bool lock = false;    // --lock: the exported bank locked; in play, the bank must be locked
    QString passwordFile; // --password-file: a locked bank's password (else it is asked)
    std::optional<std::uint32_t> seed; // --seed
    QString results;                   // --results: where the record of a graded run goes
    QString resultsKey;                // --results-key: records sealed to this public key
    QString makeExamKeys;              // --make-exam-keys: the folder of the new key pair
    QString makeExam;                  // --make-exam: the exam file to write
    QString examFile;                  // a .vorn-exam file named: the exam it sets out
    bool askName = false;              // --ask-name: who is answering, before the test
    QString classList;                 // --class-list with --ask-name: whom to choose from
    std::optional<int> timeLimit;      // --time-limit, in seconds
    bool largePictures = false;        // --large-pictures: the picture opens large
    bool exam = false;                 // --exam: confirmations, the journal, attempts
    int attempts = 1;                  // --attempts: attempts a student may make
    AttemptsCounted attemptsCounted = AttemptsCounted::All; // --attempts-count
    ReviewShows review = ReviewShows::Everything; // --review; an exam's default is the score
    bool fullScreen = false;      // --full-screen: the window fills the screen, the design grown
    bool kiosk = false;           // the exam session's window: no frame, no close during the test
    ReportRequest report;         // --report
    PrintRequest print;           // --print: paper variants, answer sheets and key
    ScanRequest scan;             // --scan: marking scanned answer sheets
    ScanDecideRequest scanDecide; // --scan-decide: the sheets a person decided
    bool quitAfterFirstFrame = false; // for the start-up benchmark; not in the help
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
