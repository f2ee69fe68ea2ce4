#include "exam_keys_command.h"

#include "platform/exit_status.h"
#include "platform/text.h"
#include "record/exam_keys.h"

#include <QDir>

namespace vorn {

int MakeExamKeysCommand(const QString& folder, QTextStream& out, QTextStream& err) {
    if (const auto problem = MakeExamKeys(folder)) {
        err << "vorn-player: " << Printable(*problem) << '\n';
        return kExitRefused;
    }
    const QDir dir(folder);
    out << QStringLiteral("Ключовете на изпита са записани:\n"
                          "  %1  публичният, за кабинета: --results-key\n"
                          "  %2  тайният, само за учителя: --report ... --exam-secret\n")
               .arg(Printable(QDir::toNativeSeparators(dir.filePath("exam.pub"))),
                    Printable(QDir::toNativeSeparators(dir.filePath("exam.secret"))));
    return kExitOk;
}

} // namespace vorn
