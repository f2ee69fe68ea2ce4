#include "exam_file_command.h"

#include "bank/password_tries.h"
#include "exam_file.h"
#include "platform/exit_status.h"
#include "platform/file_failure.h"
#include "platform/small_file.h"
#include "platform/text.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace vorn {

namespace {

// Whether anything, a dangling link included, has the name `path`.
bool Taken(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 || errno != ENOENT;
}

QString AboutFile(const QString& path, const QString& problem) {
    return QStringLiteral("файлът на изпита „%1“: %2")
        .arg(Printable(QDir::toNativeSeparators(path)), problem);
}

} // namespace

int MakeExamCommand(const CommandLine& line, QTextStream& out, QTextStream& err) {
    const QString& path = line.makeExam;
    if (Taken(path)) {
        err << "vorn-player: "
            << AboutFile(path, QStringLiteral("вече съществува; не се презаписва. Изтрийте го "
                                              "или изберете друго име."))
            << '\n';
        return kExitRefused;
    }
    if (const auto problem = WriteWhole(
            path, ExamFileBytes(line, path, !line.bank.isEmpty() && IsLockedBankFile(line.bank)))) {
        err << "vorn-player: " << Printable(*problem) << '\n';
        return kExitRefused;
    }
    out << QStringLiteral("Файлът на изпита е записан: %1\n"
                          "Пътищата в него са спрямо папката му: копирайте папката цялата.\n")
               .arg(Printable(QDir::toNativeSeparators(path)));
    return kExitOk;
}

std::variant<CommandLine, QString> OpenExamFile(const CommandLine& line) {
    const auto bytes = ReadSmallFile(line.examFile, kExamFileMaxBytes);
    if (const auto* problem = std::get_if<QString>(&bytes))
        return AboutFile(line.examFile, *problem);
    const auto arguments =
        ExamFileArguments(std::get<QByteArray>(bytes), QFileInfo(line.examFile).absolutePath());
    if (const auto* problem = std::get_if<QString>(&arguments))
        return AboutFile(line.examFile, *problem);
    const auto parsed = ParseCommandLine(QStringList{QStringLiteral("vorn-player")} +
                                         std::get<QStringList>(arguments));
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return AboutFile(line.examFile, usage->message);
    CommandLine exam = std::get<CommandLine>(parsed);
    exam.fullScreen = line.fullScreen;
    exam.largePictures = line.largePictures;
    exam.quitAfterFirstFrame = line.quitAfterFirstFrame;
    exam.passwordFile = line.passwordFile;
    return exam;
}

} // namespace vorn
