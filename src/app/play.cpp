#include "play.h"

#include "bank/bank_check.h"
#include "bank/bank_fingerprint.h"
#include "bank/bank_limits.h"
#include "bank_commands.h"
#include "events/vorn_prazno.h"
#include "exam.h"
#include "platform/exit_status.h"
#include "platform/headless_gui.h"
#include "record/run_record.h"
#include "results_saving.h"
#include "view/exam_clock.h"
#include "view/first_frame.h"
#include "view/form_view.h"
#include "view/messages.h"
#include "view/startup.h"
#include "view/student_dialog.h"

#include <QApplication>

namespace vorn {

namespace {

// What the record of this run says beside the run itself.
struct RecordFacts {
    QString sha256;
    std::uint32_t seed = 0;
    std::optional<Student> student;
    const ExamClock* clock = nullptr;
    std::optional<int> attempt;
};

ResultRecord RecordOf(const VORN_Prazno& form, const RecordFacts& facts) {
    ResultRecord record = RecordOfRun(form.run(), FactsOfThisRun(facts.sha256, facts.seed));
    record.student = facts.student;
    record.attempt = facts.attempt;
    if (facts.clock)
        record.time = ResultRecord::Time{facts.clock->limitSeconds(), facts.clock->usedSeconds(),
                                         facts.clock->ranOut()};
    return record;
}

// Seconds since `since` started, after `before` seconds of the same attempt.
int SecondsSince(const QElapsedTimer& since, int before) {
    return before + static_cast<int>(since.elapsed() / 1000);
}

// Reads the bank to play and tells what is wrong with it on standard error;
// the refusal, when it cannot be played.
QString ReadAndTell(const QString& path, LoadedBank& loaded) {
    loaded = BankToPlay(path);
    // A bank file is checked before anything else; the compiled-in test is
    // checked by the test suite, and Form_Load still guards the limits.
    const std::vector<BankIssue> issues =
        path.isEmpty() ? std::vector<BankIssue>{} : AllIssues(loaded);
    for (const BankIssue& issue : issues)
        if (!issue.isError()) SayOnStandardError(FormatIssue(path, issue));
    const QString firstError = RefusalMessage(path, issues);
    if (firstError.isEmpty()) return {};
    const QString refusal = QStringLiteral("Тестът не може да започне: ") + firstError;
    SayOnStandardError(refusal);
    return refusal;
}

} // namespace

int Play(int& argc, char** argv, const CommandLine& line) {
    LoadedBank loaded;
    // Without a display the bank is still read and what is wrong with it told
    // (on an application that shows nothing), before the player says it has
    // no display.
    if (!DisplayConfigured(argc, argv)) {
        const HeadlessGui gui;
        if (!ReadAndTell(line.bank, loaded).isEmpty()) return kExitRefused;
    }

    ExitCleanlyWithoutDisplay(argc, argv);
    StartNoSessionBus();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorn-player")); // its data folder
    DisplayOpened();
    ApplyLook(app);
    LoadQtTranslations(app, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    // A refused bank is told on standard error, then in a box.
    const QString refusal = ReadAndTell(line.bank, loaded);

    ClockRandom random(line.seed);
    VORN_Prazno form(loaded.content, random);
    if (!refusal.isEmpty()) {
        ShowErrorBoxAndWait(form.controls().Caption, refusal);
        return kExitRefused;
    }
    try {
        form.Form_Load();
    } catch (const BankLimitError& error) {
        ShowErrorAndWait(form.controls().Caption, error.message());
        return kExitRefused;
    }

    // Who is answering, once the test can start and before its window; Esc
    // ends the program with nothing written.
    std::optional<Student> student;
    if (line.askName && !(student = AskStudent())) return kExitOk;
    if (student) form.ShowExaminee(StudentCaption(*student));

    // The exam goes on from its journal: the same run after a crash.
    const QString sha256 = BankSha256(loaded.content);
    RecordFacts facts{.sha256 = sha256,
                      .seed = random.seed(),
                      .student = student,
                      .clock = nullptr,
                      .attempt = {}};
    std::optional<ExamSession> exam;
    QString journalPath;
    if (line.exam) {
        journalPath = JournalPath(line.results, sha256, *student);
        exam = StartExam(journalPath, loaded.content,
                         {.program = QStringLiteral(VORN_VERSION),
                          .bankSha256 = sha256,
                          .student = *student,
                          .attempts = line.attempts},
                         form.controls().Caption);
        if (!exam) return kExitRefused;
        if (exam->start.run) {
            form.Resume(*exam->start.run);
            facts.seed = exam->start.journal.seed;
        }
        exam->start.journal.seed = facts.seed;
        facts.attempt = exam->start.journal.attempt;
    }
    const bool resumed = exam && exam->start.run;
    const int usedBefore = resumed ? exam->start.journal.timeUsed : 0;

    // The window's font for everything: a text box lays out its empty page as
    // it is made, before it takes the window's font, and would load the
    // default face only for that.
    QApplication::setFont(QFont(form.controls().FontName, form.controls().FontSize));
    FormView view(form);
    if (line.quitAfterFirstFrame) QuitAfterFirstFrame(view.canvas());
    // After the view, so that it goes first: a record being written is waited for.
    ResultsKeeper keeper({.path = line.results, .fallbackPath = FallbackResultsPath()}, &view,
                         form.controls().Caption);
    std::unique_ptr<ExamClock> clock;
    // A resumed attempt keeps its limit: the one it started with.
    const std::optional<int> limit = resumed ? exam->start.journal.timeLimit : line.timeLimit;
    if (limit) clock = std::make_unique<ExamClock>(form, view, *limit, usedBefore);
    facts.clock = clock.get();
    if (!line.results.isEmpty())
        form.Graded = [&form, &keeper, &facts] { keeper.keep(RecordOf(form, facts)); };

    QElapsedTimer opened;
    std::unique_ptr<ExamJournalKeeper> journal;
    if (exam) {
        exam->start.journal.timeLimit = limit;
        journal = std::make_unique<ExamJournalKeeper>(
            journalPath, exam->start.journal, form, &view, [&clock, &opened, usedBefore] {
                return clock ? clock->usedSeconds() : SecondsSince(opened, usedBefore);
            });
        ApplyExamRules(form, view, *journal, [&form, &keeper, &facts] {
            ResultRecord record = RecordOf(form, facts);
            record.abandoned = true;
            keeper.keep(record);
        });
    }
    view.show();
    opened.start();
    if (clock) clock->start(); // the time counts while the test window is open
    if (journal) journal->start();
    return app.exec();
}

} // namespace vorn
