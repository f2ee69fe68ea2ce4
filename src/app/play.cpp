#include "play.h"

#include "bank/bank_check.h"
#include "bank_commands.h"
#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/headless_gui.h"
#include "play_session.h"
#include "view/messages.h"
#include "view/startup.h"

#include <QApplication>

namespace vorn {

namespace {

// Reads the bank to play and tells what is wrong with it on standard error;
// the refusal, when it cannot be played.
QString ReadAndTell(const QString& path, LoadedBank& loaded) {
    loaded = BankToPlay(path);
    // A bank file is checked before anything else; the compiled-in test is
    // checked by the test suite, and the form's start still guards the limits.
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

// Without a display the bank is still read and what is wrong with it told
// (on an application that shows nothing), before the player says it has no
// display and ends.
[[noreturn]] void TellWithoutDisplay(int& argc, char** argv, const QString& bank) {
    {
        const HeadlessGui gui;
        LoadedBank loaded;
        if (!ReadAndTell(bank, loaded).isEmpty()) std::exit(kExitRefused);
    }
    ExitCleanlyWithoutDisplay(argc, argv);
    std::exit(kExitRefused); // not reached: there is no display
}

} // namespace

int Play(int& argc, char** argv, const CommandLine& line) {
    if (!DisplayConfigured(argc, argv)) TellWithoutDisplay(argc, argv, line.bank);
    ExitCleanlyWithoutDisplay(argc, argv);
    StartNoSessionBus();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vorn-player")); // its data folder
    DisplayOpened();
    ApplyLook(app);
    LoadQtTranslations(app, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    LoadedBank loaded;
    // A refused bank is told on standard error, then in a box.
    if (const QString refusal = ReadAndTell(line.bank, loaded); !refusal.isEmpty()) {
        // A student cannot mend a bank: the box says whom to call.
        ShowErrorBoxAndWait(WindowCaption(loaded.content.publisher),
                            refusal + u' ' + StudentStep());
        return kExitRefused;
    }
    PlaySession session(line, std::move(loaded.content));
    if (const std::optional<int> ended = session.open()) return *ended;
    return app.exec();
}

} // namespace vorn
