#include "play.h"

#include "bank/bank_check.h"
#include "bank/bank_limits.h"
#include "bank_commands.h"
#include "platform/exit_status.h"
#include "results/bank_fingerprint.h"
#include "results/run_record.h"
#include "results_saving.h"
#include "view/exam_clock.h"
#include "view/first_frame.h"
#include "view/form_view.h"
#include "view/messages.h"
#include "view/startup.h"
#include "view/student_dialog.h"
#include "window/vorn_prazno.h"

#include <QApplication>

namespace vorn {

namespace {

// With --results, grading hands the run's record to the keeper, which
// appends it to the file while the window goes on.
void KeepResults(ResultsKeeper& keeper, const BankContent& content, VORN_Prazno& form,
                 const ClockRandom& random, const std::optional<Student>& student,
                 const ExamClock* clock) {
    form.Graded = [&form, &random, &keeper, student, clock, sha256 = BankSha256(content)] {
        ResultRecord record = RecordOfRun(form.run(), FactsOfThisRun(sha256, random.seed()));
        record.student = student;
        if (clock)
            record.time =
                ResultRecord::Time{clock->limitSeconds(), clock->usedSeconds(), clock->ranOut()};
        keeper.keep(record);
    };
}

} // namespace

int Play(int& argc, char** argv, const CommandLine& line) {
    const LoadedBank loaded = BankToPlay(line.bank);
    // A bank file is checked before anything else; the compiled-in test is
    // checked by the test suite, and Form_Load still guards the limits.
    const std::vector<BankIssue> issues =
        line.bank.isEmpty() ? std::vector<BankIssue>{} : AllIssues(loaded);
    for (const BankIssue& issue : issues)
        if (!issue.isError()) SayOnStandardError(FormatIssue(line.bank, issue));
    // A refused bank is told on standard error before anything needs a display;
    // the message box follows only where there is one.
    const QString firstError = RefusalMessage(line.bank, issues);
    const QString refusal = firstError.isEmpty()
                                ? QString()
                                : QStringLiteral("Тестът не може да започне: ") + firstError;
    if (!refusal.isEmpty()) {
        SayOnStandardError(refusal);
        if (!DisplayConfigured(argc, argv)) return kExitRefused;
    }

    ExitCleanlyWithoutDisplay(argc, argv);
    StartNoSessionBus();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorn-player")); // its data folder
    DisplayOpened();
    ApplyLook(app);
    LoadQtTranslations(app, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    QuestionBank bank;
    bank.Load(loaded.content);
    ClockRandom random(line.seed);
    VORN_Prazno form(bank, random);
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
    if (line.timeLimit) clock = std::make_unique<ExamClock>(form, view, *line.timeLimit);
    if (!line.results.isEmpty())
        KeepResults(keeper, loaded.content, form, random, student, clock.get());
    view.show();
    if (clock) clock->start(); // the time counts while the test window is open
    return app.exec();
}

} // namespace vorn
