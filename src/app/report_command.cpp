#include "report_command.h"

#include "bank/bank_file.h"
#include "bank/password_sources.h"
#include "platform/exit_status.h"
#include "platform/text.h"
#include "platform/whole_file.h"
#include "record/results_reading.h"
#include "report/results_report.h"
#include "report/results_tally.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

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

// Sealed records that were not opened, and breaks in a file's chain.
void TellSealed(QTextStream& err, const ReadResults& read) {
    if (read.sealedWithoutKey > 0)
        err << "vorn-player: "
            << QStringLiteral("запечатани записи: %1; отварят се само с тайния ключ на изпита "
                              "(--exam-secret exam.secret).")
                   .arg(read.sealedWithoutKey)
            << '\n';
    TellSkipped(err, QStringLiteral("пропуснати записи, запечатани с друг ключ"), read.anotherKey,
                QStringLiteral("; "));
    TellSkipped(err,
                QStringLiteral("пропуснати запечатани записи, които са повредени или отрязани"),
                read.damagedSeals, QStringLiteral(", "));
    TellSkipped(err,
                QStringLiteral("записи, пред които веригата на файла е прекъсната (запис е "
                               "изтрит, променен или преместен)"),
                read.chainBreaks, QStringLiteral(", "));
}

void TellRead(QTextStream& err, const ReadResults& read) {
    for (const QString& unreadable : read.unreadable)
        err << "vorn-player: " << unreadable << '\n';
    TellSkipped(err, QStringLiteral("пропуснати редове, които не са записи на резултати"),
                read.notRecords, QStringLiteral(", "));
    TellSkipped(err,
                QStringLiteral("пропуснати незавършени последни редове (без нов ред в края на "
                               "файла: запис, прекъснат при писане, или чужд текст)"),
                read.unfinished, QStringLiteral(", "));
    TellSkipped(err, QStringLiteral("пропуснати записи от непозната версия"), read.unknownVersions,
                QStringLiteral("; "));
    TellSkipped(err,
                QStringLiteral("пропуснати редове, по-дълги от %1 MiB")
                    .arg(kMaxRecordLineBytes / (1024 * 1024)),
                read.tooLong, QStringLiteral(", "));
    TellSkipped(err, QStringLiteral("пропуснати записи, които си противоречат"), read.inconsistent,
                QStringLiteral("; "));
    TellSealed(err, read);
    TellSkipped(err,
                QStringLiteral("пропуснати записи на тестове отвъд първите %1 (или %2 въпроса "
                               "общо); направете отделен отчет за тях")
                    .arg(kMaxReportTests)
                    .arg(kMaxReportQuestions),
                read.overCaps, QStringLiteral("; "));
}

// A file of the report, written in full before it replaces anything.
struct OutputFile {
    OutputFolder folder;
    QString name;
    QByteArray bytes;
};

// What failed and what the teacher does about it.
QString Told(const FileFailure& failure) {
    return QStringLiteral("%1. %2").arg(
        Printable(failure.said()), TeacherStep(failure, QStringLiteral("друго място с --output")));
}

// Writes every file or none: all are written aside first, and only then put
// in place. A link, a FIFO or a device at a path is refused, not followed or
// replaced.
std::optional<QString> WriteAll(const std::vector<OutputFile>& files) {
    std::vector<AsideFile> written;
    for (const OutputFile& file : files) {
        auto aside = WriteAside(file.folder, file.name, file.bytes);
        if (const auto* failed = std::get_if<FileFailure>(&aside)) return Told(*failed);
        written.push_back(std::move(std::get<AsideFile>(aside)));
    }
    for (AsideFile& file : written)
        if (const auto failed = file.putInPlace()) return Told(*failed);
    return std::nullopt;
}

using Outcome = std::variant<std::vector<OutputFile>, QString>;

// The one file at `path`.
Outcome OneFile(const QString& path, QByteArray bytes) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty()) return Told(FailureOf(path, EISDIR));
    auto folder = OutputFolder::Holding(path);
    if (const auto* failed = std::get_if<FileFailure>(&folder)) return Told(*failed);
    return std::vector<OutputFile>{{std::get<OutputFolder>(folder), name, std::move(bytes)}};
}

// The tables, one file each in the folder `path` (made when missing; never
// through a link).
Outcome Tables(const QString& path, const std::vector<BankFigures>& banks, CsvLocale locale) {
    const QString cleaned = QDir::cleanPath(path);
    QDir().mkpath(QFileInfo(cleaned).path()); // what fails there is told below
    auto parent = OutputFolder::Holding(cleaned);
    if (const auto* failed = std::get_if<FileFailure>(&parent)) return Told(*failed);
    bool made = false;
    auto folder = std::get<OutputFolder>(parent).folder(QFileInfo(cleaned).fileName(), made);
    if (const auto* failed = std::get_if<FileFailure>(&folder)) return Told(*failed);
    std::vector<OutputFile> files;
    for (const Table& table : ReportTables(banks))
        files.push_back({std::get<OutputFolder>(folder), table.name + QStringLiteral(".csv"),
                         TableCsv(table, locale)});
    return files;
}

// The files the report is written to, or why it cannot be.
Outcome Outputs(const ReportRequest& request, const std::vector<BankFigures>& banks) {
    switch (request.format) {
    case ReportFormat::Text:
        return OneFile(request.output, ReportText(banks).toUtf8());
    case ReportFormat::Html:
        return OneFile(request.output, ReportHtml(banks));
    case ReportFormat::Xlsx: {
        auto workbook = ReportWorkbook(ReportTables(banks));
        if (const auto* why = std::get_if<QString>(&workbook)) return *why;
        return OneFile(request.output, std::get<QByteArray>(workbook));
    }
    case ReportFormat::Csv:
        break;
    }
    return Tables(request.output, banks, request.csvLocale);
}

// The settings of the figures: the marks, the class and the bank's texts.
std::variant<ReportSettings, QString> Settings(const ReportRequest& request) {
    ReportSettings settings{.marks = request.marks,
                            .className = request.className,
                            .bank = {},
                            .voided = request.voided,
                            .countAbandoned = request.countAbandoned};
    if (request.bank.isEmpty()) return settings;
    LoadedBank bank = LoadBankFile(request.bank, PasswordFrom(request.passwordFile));
    if (IsLockedBankFile(request.bank) && bank.hasErrors()) // the password, or the damage
        return QStringLiteral("банката %1: %2")
            .arg(Printable(request.bank),
                 std::find_if(bank.issues.begin(), bank.issues.end(), [](const BankIssue& issue) {
                     return issue.isError();
                 })->message);
    if (bank.hasErrors() || bank.content.questions.empty())
        return QStringLiteral("банката %1 не може да се прочете; вижте vorn-player --check-bank %1")
            .arg(Printable(request.bank));
    settings.bank = std::move(bank.content);
    return settings;
}

// What --class found nothing for, and the classes there are instead (any
// spelling of one of them would have found it).
QString NoRecordOfClass(const QString& asked, const QStringList& seen) {
    return QStringLiteral("няма нито един запис от клас „%1“; ").arg(Printable(asked)) +
           (seen.isEmpty() ? QStringLiteral("записите не назовават клас.")
                           : QStringLiteral("в записите има: %1.").arg(Printable(seen.join(", "))));
}

// Why the records cannot be marked again as asked. A corrected bank that
// fits no records' bank would leave the marks of the wrong key standing:
// nothing is reported then.
std::optional<QString> RemarkingRefused(const ReportRequest& request, const ResultsTally& tally) {
    if (const auto why = tally.refusal())
        return QStringLiteral("опитите не могат да се оценят наново: %1.").arg(Printable(*why));
    if (!request.bank.isEmpty() && !tally.bankMatched())
        return QStringLiteral("банката %1 не е тази на записите, нито тяхна поправка: %2.")
            .arg(Printable(request.bank),
                 Printable(tally.bankMismatches().join(QStringLiteral("; "))));
    return std::nullopt;
}

// Questions --void named that no record holds: a mistyped number voids nothing.
void TellVoidedUnseen(QTextStream& err, const QStringList& voided,
                      const std::vector<BankFigures>& banks) {
    QStringList unseen;
    for (const QString& question : voided) {
        const bool seen = std::any_of(banks.begin(), banks.end(), [&](const BankFigures& bank) {
            return std::any_of(bank.voided.begin(), bank.voided.end(), [&](const auto& q) {
                return q.id == question || QString::number(q.number) == question;
            });
        });
        if (!seen) unseen.append(question);
    }
    if (!unseen.isEmpty())
        err << "vorn-player: "
            << QStringLiteral("--void: въпроси, каквито в записите няма: %1.")
                   .arg(Printable(unseen.join(QStringLiteral(", "))))
            << '\n';
}

} // namespace

int ReportCommand(const ReportRequest& request, QTextStream& out, QTextStream& err) {
    auto settings = Settings(request);
    if (const auto* why = std::get_if<QString>(&settings)) {
        err << "vorn-player: " << *why << '\n';
        return kExitRefused;
    }
    std::optional<ExamSecretKey> secret;
    if (!request.examSecret.isEmpty()) {
        auto key = ReadExamSecretKey(request.examSecret);
        if (const auto* why = std::get_if<QString>(&key)) {
            err << "vorn-player: " << Printable(*why) << '\n';
            return kExitRefused;
        }
        secret = std::get<ExamSecretKey>(key);
    }
    ResultsTally tally(std::move(std::get<ReportSettings>(settings)));
    const ReadResults read = ReadResultsFiles(
        request.files,
        [&tally](const ResultRecord& record, const RecordPlace& place) {
            tally.add(record, place);
        },
        secret ? &*secret : nullptr);
    TellRead(err, read);
    if (read.records == 0) {
        err << "vorn-player: " << QStringLiteral("няма нито един запис на резултат.") << '\n';
        return kExitRefused;
    }
    if (tally.counted() == 0) {
        err << "vorn-player: " << NoRecordOfClass(request.className, tally.classesSeen()) << '\n';
        return kExitRefused;
    }
    if (const auto why = RemarkingRefused(request, tally)) {
        err << "vorn-player: " << *why << '\n';
        return kExitRefused;
    }
    const std::vector<BankFigures> banks = tally.figures();
    TellVoidedUnseen(err, request.voided, banks);
    err.flush();

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
                   .arg(Printable(QDir::toNativeSeparators(
                       QFileInfo(file.folder.pathOf(file.name)).absoluteFilePath())));
    out.flush();
    return kExitOk;
}

} // namespace vorn
