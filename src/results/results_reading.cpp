#include "results_reading.h"

#include "line_reader.h"
#include "platform/regular_file.h"
#include "platform/text.h"
#include "record_consistency.h"

#include <QFile>

namespace vorn {

namespace {

QString WhyUnreadable(OpenOutcome outcome) {
    switch (outcome) {
    case OpenOutcome::Missing:
        return QStringLiteral("файлът не съществува.");
    case OpenOutcome::Folder:
        return QStringLiteral("това е папка, а не файл.");
    case OpenOutcome::NotRegular:
        return QStringLiteral("това не е обикновен файл (а устройство, канал или гнездо).");
    case OpenOutcome::Opened:
    case OpenOutcome::Unreadable:
        break;
    }
    return QStringLiteral("файлът не може да се прочете.");
}

// Records of one fingerprint come from one bank and so hold as many questions,
// or name the same pool.
std::optional<QString> BankSizeInconsistency(const ResultRecord& record, ReadResults& read) {
    const auto size = record.pool.value_or(static_cast<int>(record.questions.size()));
    const auto [it, first] = read.bankSizes.try_emplace(record.run.bankSha256, size);
    if (first || it->second == size) return std::nullopt;
    return QStringLiteral("въпросите са %1, а в първия запис на същия тест са %2")
        .arg(size)
        .arg(it->second);
}

} // namespace

void SkippedLines::add(const QString& where) {
    if (listed.size() < kListedSkips) listed.append(where);
    ++count;
}

void ReadResultsDevice(QIODevice& device, const QString& path, ReadResults& read) {
    const QString name = Printable(path);
    LineReader lines(device, kMaxRecordLineBytes);
    while (const std::optional<ReadLine> line = lines.next()) {
        const QString where = QStringLiteral("%1:%2").arg(name, QString::number(line->number));
        if (!line->text) {
            read.tooLong.add(where);
            continue;
        }
        if (line->text->trimmed().isEmpty()) continue;
        std::optional<ResultRecord> record = ParseRecordLine(*line->text);
        if (!record) {
            read.notRecords.add(where);
            continue;
        }
        std::optional<QString> why = RecordInconsistency(*record);
        if (!why) why = BankSizeInconsistency(*record, read);
        if (why)
            read.inconsistent.add(where + QStringLiteral(": ") + *why);
        else
            read.records.push_back(std::move(*record));
    }
    if (lines.failed())
        read.unreadable.append(
            name + QStringLiteral(": грешка при четене; отчетено е само прочетеното преди нея."));
}

ReadResults ReadResultsFiles(const QStringList& paths) {
    ReadResults read;
    for (const QString& path : paths) {
        QFile file;
        const OpenOutcome outcome = OpenRegularFile(file, path);
        if (outcome == OpenOutcome::Opened)
            ReadResultsDevice(file, path, read);
        else
            read.unreadable.append(Printable(path) + QStringLiteral(": ") + WhyUnreadable(outcome));
    }
    return read;
}

} // namespace vorn
