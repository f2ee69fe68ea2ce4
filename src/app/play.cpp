#include "play.h"

#include "bank/bank_check.h"
#include "bank/password_sources.h"
#include "bank_commands.h"
#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/headless_gui.h"
#include "platform/text.h"
#include "play_session.h"
#include "record/class_list.h"
#include "view/messages.h"
#include "view/password_dialog.h"
#include "view/startup.h"

#include <QApplication>

namespace vorn {

namespace {

// Where a locked bank's password comes from: the file named, else the person
// at a screen that is seen; no one elsewhere, so that nothing waits for ever.
PasswordAsker PasswordAskerOf(const CommandLine& line, bool windowSeen) {
    if (!line.passwordFile.isEmpty()) return PasswordFrom(line.passwordFile);
    if (windowSeen) return AskPasswordInWindow();
    return {};
}

// Reads the bank to play and tells what is wrong with it on standard error;
// the refusal, when it cannot be played.
QString ReadAndTell(const CommandLine& line, const PasswordAsker& askPassword, LoadedBank& loaded) {
    const QString& path = line.bank;
    loaded = BankToPlay(path, askPassword);
    // An exam set out as locked refuses a bank put in its place in the clear;
    // told by what was read, not by a look before that a swap could outrun.
    if (line.lock && !loaded.locked) {
        const QString refusal =
            QStringLiteral("Тестът не може да започне: изпитът е с "
                           "заключена банка, а %1 не е заключена с парола.")
                .arg(path.isEmpty() ? QStringLiteral("вградената") : Printable(path));
        SayOnStandardError(refusal);
        return refusal;
    }
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

// Reads the class list the students choose from (none: they type who they
// are), as the bank is read: its warning and its refusal on standard error.
std::variant<std::vector<Student>, QString> ReadListAndTell(const QString& path) {
    if (path.isEmpty()) return std::vector<Student>{};
    auto read = ReadClassListFile(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        const QString refusal = QStringLiteral("Тестът не може да започне: ") + *why;
        SayOnStandardError(refusal);
        return refusal;
    }
    auto& list = std::get<ClassList>(read);
    if (!list.warning.isEmpty())
        SayOnStandardError(Printable(path) + QStringLiteral(": ") + list.warning);
    return std::move(list.students);
}

// Without a display the bank and the class list are still read and what is
// wrong with them told (on an application that shows nothing), before the
// player says it has no display and ends.
[[noreturn]] void TellWithoutDisplay(int& argc, char** argv, const CommandLine& line) {
    {
        const HeadlessGui gui;
        LoadedBank loaded;
        if (!ReadAndTell(line, PasswordAskerOf(line, false), loaded).isEmpty() ||
            std::holds_alternative<QString>(ReadListAndTell(line.classList)))
            std::exit(kExitRefused);
    }
    ExitCleanlyWithoutDisplay(argc, argv);
    std::exit(kExitRefused); // not reached: there is no display
}

} // namespace

int Play(int& argc, char** argv, const CommandLine& line) {
    if (!DisplayConfigured(argc, argv)) TellWithoutDisplay(argc, argv, line);
    ExitCleanlyWithoutDisplay(argc, argv);
    StartNoSessionBus();
    QApplication app(argc, argv);
    SetUpApplication(app);
    return PlayInApplication(line);
}

void SetUpApplication(QApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("vorn-player")); // its data folder
    DisplayOpened();
    ApplyLook(app);
    LoadQtTranslations(app, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
}

int PlayInApplication(const CommandLine& line) {
    LoadedBank loaded;
    // A refused bank is told on standard error, then in a box.
    if (const QString refusal = ReadAndTell(line, PasswordAskerOf(line, DisplayIsSeen()), loaded);
        !refusal.isEmpty()) {
        // A student cannot mend a bank: the box says whom to call.
        ShowErrorBoxAndWait(WindowCaption(loaded.content.publisher),
                            refusal + u' ' + StudentStep());
        return kExitRefused;
    }
    const auto classList = ReadListAndTell(line.classList);
    if (const auto* refusal = std::get_if<QString>(&classList)) {
        ShowErrorBoxAndWait(WindowCaption(loaded.content.publisher),
                            *refusal + u' ' + StudentStep());
        return kExitRefused;
    }
    PlaySession session(line, std::move(loaded.content), std::get<std::vector<Student>>(classList));
    if (const std::optional<int> ended = session.open()) return *ended;
    return QApplication::exec();
}

} // namespace vorn
