#include "report_command.h"

#include "bank/bank_file.h"
#include "platform/exit_status.h"
#include "platform/text.h"
#include "record/results_reading.h"
#include "report/results_report.h"
#include "report/results_tally.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <sys/stat.h>

namespace vorn {

namespace {

// One line per kind of skipped line, whatever their number: the first few
// named, the rest counted.
void TellSkipped(QTextStream& err, const QString& what, const SkippedLines& skipped,
                 const QString& separator) {
    if (skipped.count == 0) return;
    QString listed = skipped.listed.join(separator);
    if (skipped.count > skipped.listed.size())
        listed += QStringLiteral(" и още %1").arg(skipped.count - skipped.listed.size());
    err << "vorn-player: "
        << QStringLiteral("%1: %2 (%3).").arg(what, QString::number(skipped.count), listed) << '\n';
}

void TellRead(QTextStream& err, const ReadResults& read) {
    for (const QString& unreadable : read.unreadable)
        err << "vorn-player: " << unreadable << '\n';
    TellSkipped(err, QStringLiteral("пропуснати редове, които не са записи на резултати"),
                read.notRecords, QStringLiteral(", "));
    TellSkipped(err, QStringLiteral("пропуснати записи от непозната версия"), read.unknownVersions,
                QStringLiteral("; "));
    TellSkipped(err,
                QStringLiteral("пропуснати редове, по-дълги от %1 MiB")
                    .arg(kMaxRecordLineBytes / (1024 * 1024)),
                read.tooLong, QStringLiteral(", "));
    TellSkipped(err, QStringLiteral("пропуснати записи, които си противоречат"), read.inconsistent,
                QStringLiteral("; "));
    TellSkipped(err,
                QStringLiteral("пропуснати записи на тестове отвъд първите %1 (или %2 въпроса "
                               "общо); направете отделен отчет за тях")
                    .arg(kMaxReportTests)
                    .arg(kMaxReportQuestions),
                read.overCaps, QStringLiteral("; "));
}

// A file of the report, written in full before it replaces anything.
struct OutputFile {
    QString path;
    QByteArray bytes;
};

// Writes every file or none: all are written aside first, and only then put
// in place. Something that is not a regular file at a path (a FIFO, a
// device) is refused: putting a file in its place would replace it.
std::optional<QString> WriteAll(const std::vector<OutputFile>& files) {
    std::vector<std::unique_ptr<QSaveFile>> saves;
    for (const OutputFile& file : files) {
        const QString name = Printable(QDir::toNativeSeparators(file.path));
        struct stat status {};
        if (::stat(QFile::encodeName(file.path).constData(), &status) == 0 &&
            !S_ISREG(status.st_mode))
            return QStringLiteral("%1: това не е обикновен файл.").arg(name);
        auto& save = saves.emplace_back(std::make_unique<QSaveFile>(file.path));
        // Unbuffered, so that a short write is seen here, not hidden by commit().
        if (!save->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return QStringLiteral("%1: %2").arg(name, save->errorString());
        if (save->write(file.bytes) != file.bytes.size())
            return QStringLiteral("%1: записът прекъсна (няма ли място на диска?)").arg(name);
    }
    for (const auto& save : saves)
        if (!save->commit())
            return QStringLiteral("%1: %2").arg(Printable(save->fileName()), save->errorString());
    return std::nullopt;
}

// The files the report is written to, or why it cannot be.
std::variant<std::vector<OutputFile>, QString> Outputs(const ReportRequest& request,
                                                       const std::vector<BankFigures>& banks) {
    switch (request.format) {
    case ReportFormat::Text:
        return std::vector<OutputFile>{{request.output, ReportText(banks).toUtf8()}};
    case ReportFormat::Html:
        return std::vector<OutputFile>{{request.output, ReportHtml(banks)}};
    case ReportFormat::Xlsx: {
        auto workbook = ReportWorkbook(ReportTables(banks));
        if (const auto* why = std::get_if<QString>(&workbook)) return *why;
        return std::vector<OutputFile>{{request.output, std::get<QByteArray>(workbook)}};
    }
    case ReportFormat::Csv:
        break;
    }
    if (!QDir().mkpath(request.output))
        return QStringLiteral("%1: папката не може да се създаде.")
            .arg(Printable(QDir::toNativeSeparators(request.output)));
    std::vector<OutputFile> files;
    for (const Table& table : ReportTables(banks))
        files.push_back({QDir(request.output).filePath(table.name + QStringLiteral(".csv")),
                         TableCsv(table, request.csvLocale)});
    return files;
}

// The settings of the figures: the marks, the class and the bank's texts.
std::variant<ReportSettings, QString> Settings(const ReportRequest& request) {
    ReportSettings settings{.marks = request.marks, .className = request.className, .bank = {}};
    if (request.bank.isEmpty()) return settings;
    LoadedBank bank = LoadBankFile(request.bank);
    if (bank.hasErrors() || bank.content.questions.empty())
        return QStringLiteral("банката %1 не може да се прочете; вижте vorn-player --check-bank %1")
            .arg(Printable(request.bank));
    settings.bank = std::move(bank.content);
    return settings;
}

// What --class found nothing for, the classes there are instead, and the one
// it was surely meant to be where only Latin look-alikes of Cyrillic letters
// tell them apart ("8a" typed for "8а").
QString NoRecordOfClass(const QString& asked, const QStringList& seen) {
    QString message =
        QStringLiteral("няма нито един запис от клас „%1“; ").arg(Printable(asked)) +
        (seen.isEmpty() ? QStringLiteral("записите не назовават клас.")
                        : QStringLiteral("в записите има: %1.").arg(Printable(seen.join(", "))));
    for (const QString& group : seen)
        if (group != asked && WithCyrillicLookAlikes(group) == WithCyrillicLookAlikes(asked))
            message += QStringLiteral(" „%1“ е написан с латински букви, които приличат на "
                                      "кирилски; вероятно е „%2“: --class %2")
                           .arg(Printable(asked), Printable(group));
    return message;
}

} // namespace

int ReportCommand(const ReportRequest& request, QTextStream& out, QTextStream& err) {
    auto settings = Settings(request);
    if (const auto* why = std::get_if<QString>(&settings)) {
        err << "vorn-player: " << *why << '\n';
        return kExitRefused;
    }
    ResultsTally tally(std::move(std::get<ReportSettings>(settings)));
    const ReadResults read = ReadResultsFiles(
        request.files, [&tally](const ResultRecord& record) { tally.add(record); });
    TellRead(err, read);
    if (read.records == 0) {
        err << "vorn-player: " << QStringLiteral("няма нито един запис на резултат.") << '\n';
        return kExitRefused;
    }
    if (tally.counted() == 0) {
        err << "vorn-player: " << NoRecordOfClass(request.className, tally.classesSeen()) << '\n';
        return kExitRefused;
    }
    if (!request.bank.isEmpty() && !tally.bankMatched())
        err << "vorn-player: "
            << QStringLiteral("банката %1 не е тази на записите; текстовете на въпросите липсват.")
                   .arg(Printable(request.bank))
            << '\n';
    err.flush();

    const std::vector<BankFigures> banks = tally.figures();
    if (request.format == ReportFormat::Text && request.output.isEmpty()) {
        out << ReportText(banks);
        out.flush();
        return kExitOk;
    }
    const auto outputs = Outputs(request, banks);
    std::optional<QString> failed;
    if (const auto* why = std::get_if<QString>(&outputs))
        failed = *why;
    else
        failed = WriteAll(std::get<std::vector<OutputFile>>(outputs));
    if (failed) {
        err << "vorn-player: " << QStringLiteral("отчетът не е записан: ") << *failed << '\n';
        return kExitRefused;
    }
    for (const OutputFile& file : std::get<std::vector<OutputFile>>(outputs))
        out << QStringLiteral("Отчетът е записан в %1\n")
                   .arg(Printable(
                       QDir::toNativeSeparators(QFileInfo(file.path).absoluteFilePath())));
    out.flush();
    return kExitOk;
}

} // namespace vorn
