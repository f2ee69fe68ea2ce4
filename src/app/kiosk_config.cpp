#include "kiosk_config.h"

#include "exam_file.h"
#include "platform/small_file.h"
#include "platform/text.h"

#include <QDir>
#include <QStringDecoder>
#include <optional>

namespace vorn {

namespace {

std::optional<KioskExam::Kind> KindOf(const QString& key) {
    if (key == QLatin1String("exam")) return KioskExam::Kind::File;
    if (key == QLatin1String("folder")) return KioskExam::Kind::Folder;
    return std::nullopt;
}

// What is wrong with one setting's value, or nothing.
QString ValueProblem(KioskExam::Kind kind, const QString& path) {
    if (path.isEmpty()) return QStringLiteral("липсва път");
    if (!QDir::isAbsolutePath(path)) return QStringLiteral("пътят трябва да започва с „/“");
    if (kind == KioskExam::Kind::File && !IsExamFileName(path))
        return QStringLiteral("файлът на изпита трябва да завършва на „.vorn-exam“");
    return {};
}

} // namespace

QString KioskConfigPath() {
    const QString chosen = qEnvironmentVariable("VORN_EXAM_CONF");
    return chosen.isEmpty() ? QStringLiteral("/etc/vorn-player/exam.conf") : chosen;
}

std::variant<KioskExam, QString> ParseKioskConfig(const QByteArray& text) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(text);
    if (utf8.hasError()) return QStringLiteral("файлът не е в UTF-8.");
    std::optional<KioskExam> exam;
    const QStringList lines = decoded.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const auto at = [i](const QString& problem) {
            return QStringLiteral("ред %1: %2.").arg(i + 1).arg(problem);
        };
        const qsizetype equals = line.indexOf(u'=');
        const auto kind = KindOf(line.left(equals).trimmed());
        if (equals < 0 || !kind)
            return at(QStringLiteral("очаква се „exam = ФАЙЛ“ или „folder = ПАПКА“, а не „%1“")
                          .arg(Printable(line)));
        if (exam) return at(QStringLiteral("изпитът е посочен втори път"));
        const QString path = line.mid(equals + 1).trimmed();
        if (const QString problem = ValueProblem(*kind, path); !problem.isEmpty())
            return at(problem);
        exam = KioskExam{*kind, QDir::cleanPath(path)};
    }
    if (!exam) return QStringLiteral("не посочва изпит („exam = ФАЙЛ“ или „folder = ПАПКА“).");
    return *exam;
}

std::variant<KioskExam, QString> ReadKioskConfig(const QString& path) {
    const auto bytes = ReadSmallFile(path, kKioskConfigMaxBytes);
    auto read = std::holds_alternative<QString>(bytes)
                    ? std::variant<KioskExam, QString>(std::get<QString>(bytes))
                    : ParseKioskConfig(std::get<QByteArray>(bytes));
    if (auto* problem = std::get_if<QString>(&read))
        *problem = QStringLiteral("настройката на изпитната сесия „%1“: %2")
                       .arg(Printable(QDir::toNativeSeparators(path)), *problem);
    return read;
}

} // namespace vorn
