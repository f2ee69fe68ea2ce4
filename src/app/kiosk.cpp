#include "kiosk.h"

#include "exam_file.h"
#include "exam_file_command.h"
#include "kiosk_config.h"
#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/text.h"
#include "play.h"
#include "view/exam_chooser.h"
#include "view/kiosk_backdrop.h"
#include "view/messages.h"
#include "view/startup.h"
#include "view/window_log.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <optional>
#include <unistd.h>

namespace vorn {

namespace {

const QString kCaption = QStringLiteral("ВОРН - изпит");

// Ends the compositor's offer to new clients: its socket's name goes once
// this program holds its connection, so nothing started later (by the
// student or anyone) can show a window in the session.
void CloseCompositorToOthers() {
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    const QString socket = QDir::isAbsolutePath(name)
                               ? name
                               : QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(name);
    ::unlink(QFile::encodeName(socket).constData());
    qunsetenv("WAYLAND_DISPLAY");
}

// The exam file in `folder` that the student chooses; none when they left
// the question; or why there is nothing to choose from.
std::variant<std::optional<QString>, QString> ChosenInFolder(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists())
        return QStringLiteral("папката на изпитите „%1“ не съществува или не може да се отвори.")
            .arg(Printable(folder));
    const QStringList names =
        dir.entryList({QStringLiteral("*.vorn-exam")}, QDir::Files | QDir::Readable, QDir::Name);
    if (names.isEmpty())
        return QStringLiteral("в папката на изпитите „%1“ няма файл на изпит (.vorn-exam).")
            .arg(Printable(folder));
    const std::optional<QString> chosen = ChooseExam(names);
    if (!chosen) return std::optional<QString>();
    return std::optional<QString>(dir.filePath(*chosen));
}

// The play of the configured exam; none when the student left the choice of
// exam; or why it cannot start.
std::variant<std::optional<CommandLine>, QString> ConfiguredExam() {
    const auto config = ReadKioskConfig(KioskConfigPath());
    if (const auto* problem = std::get_if<QString>(&config)) return *problem;
    const KioskExam& exam = std::get<KioskExam>(config);
    CommandLine line;
    line.examFile = exam.path;
    if (exam.kind == KioskExam::Kind::Folder) {
        const auto chosen = ChosenInFolder(exam.path);
        if (const auto* problem = std::get_if<QString>(&chosen)) return *problem;
        const auto& name = std::get<std::optional<QString>>(chosen);
        if (!name) return std::optional<CommandLine>();
        line.examFile = *name;
    }
    auto opened = OpenExamFile(line);
    if (const auto* problem = std::get_if<QString>(&opened)) return *problem;
    CommandLine play = std::get<CommandLine>(opened);
    play.kiosk = true;
    play.fullScreen = true;
    return std::optional<CommandLine>(play);
}

// Lets the compositor show `window` and give it the keyboard, so that what
// comes next sees it as the active window.
void WaitUntilShown(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (!window.isActiveWindow() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// Why this is no exam session, or nothing.
QString NotASession() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
    return QStringLiteral("„vorn-player --kiosk“ е изпитната сесия и работи само в нея (сесия на "
                          "Wayland, „ВОРН - изпит“ на екрана за вход), а тук е „%1“.")
        .arg(QGuiApplication::platformName());
}

} // namespace

int RunKiosk(int& argc, char** argv) {
    ExitCleanlyWithoutDisplay(argc, argv);
    StartNoSessionBus();
    QApplication app(argc, argv);
    SetUpApplication(app);
    LogWindowsForTests();
    QString problem = NotASession();
    std::optional<KioskBackdrop> backdrop;
    if (problem.isEmpty()) {
        CloseCompositorToOthers();
        backdrop.emplace();
        WaitUntilShown(*backdrop);
        auto exam = ConfiguredExam();
        if (const auto* play = std::get_if<std::optional<CommandLine>>(&exam))
            return *play ? PlayInApplication(**play) : kExitOk;
        problem = std::get<QString>(exam);
    }
    ShowErrorAndWait(kCaption, QStringLiteral("Изпитът не може да започне: ") + problem + u' ' +
                                   StudentStep());
    return kExitRefused;
}

} // namespace vorn
