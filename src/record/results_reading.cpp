#include "results_reading.h"

#include "batch_crew.h"
#include "line_reader.h"
#include "platform/file_failure.h"
#include "platform/regular_file.h"
#include "platform/text.h"
#include "record_consistency.h"
#include "record_fields.h"
#include "record_parsing.h"
#include "sealed_line.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cctype>
#include <future>
#include <thread>
#include <vector>

namespace vorn {

namespace {

QString WhyUnreadable(OpenOutcome outcome, int error) {
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
    return QStringLiteral("файлът не може да се прочете: %1.").arg(ReadReason(error));
}

// A line that is a record of a version this program does not know: its
// version, to say why it was skipped.
std::optional<QString> UnknownVersion(const QByteArray& line) {
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    const QJsonValue version = o.value(QLatin1String("version"));
    if (o.value(QLatin1String("format")) != QLatin1String("vorn-results") || version.isUndefined())
        return std::nullopt;
    for (int known = 1; known <= kResultsFormatVersion; ++known)
        if (version == QJsonValue(known)) return std::nullopt; // known, but not a whole record
    const QString text =
        version.isDouble() ? QString::number(version.toDouble()) : version.toVariant().toString();
    return QStringLiteral("версия %1").arg(Printable(text));
}

bool IsBlank(const QByteArray& line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return std::isspace(uchar(c)); });
}

// Lines are parsed in batches of at most this many lines and bytes, so that a
// batch stays small in memory and big enough to share among the cores. One
// batch is parsed while the one before it is handed on and the next is read.
constexpr std::size_t kBatchLines = 1024;
constexpr qsizetype kBatchBytes = 8 * 1024 * 1024;

struct PendingLine {
    qint64 number = 0;
    std::optional<QByteArray> text; // none when too long
    bool unfinished = false;
    OpenedLine opened; // the text as a record's JSON
    QByteArray hash;   // its chain link, where a sealed line follows; else empty
    std::optional<ResultRecord> record;
    std::optional<QString> inconsistency;              // of the record with itself
    std::vector<TestsSeen::AnswerHashes> answerHashes; // of a consistent record
};

// Whether a line's hash is needed: the line after it is sealed, or may be
// (the last of the batch).
bool HashNeeded(const std::vector<PendingLine>& batch, std::size_t i, std::size_t used) {
    return i + 1 == used || (batch[i + 1].text && IsSealedLine(*batch[i + 1].text));
}

// Opens a sealed line, parses the JSON and checks the record.
void ReadPending(PendingLine& line, const ExamSecretKey* secret) {
    line.opened = line.text ? OpenRecordLine(*line.text, secret) : OpenedLine{};
    const bool json = line.text && (line.opened.kind == OpenedLine::Kind::Plain ||
                                    line.opened.kind == OpenedLine::Kind::Opened);
    // A line in clear is its JSON, and its reader keeps room after it.
    const qsizetype room = line.opened.kind == OpenedLine::Kind::Plain ? kFastReaderRoom : 0;
    line.record = json ? ParseRecordJson(line.opened.json, room) : std::nullopt;
    line.inconsistency = line.record ? RecordInconsistency(*line.record) : std::optional<QString>();
    // The tag in clear must be the one of the record sealed with it.
    if (line.record && !line.inconsistency && line.opened.kind == OpenedLine::Kind::Opened &&
        StudentTagOf(secret->publicKey, *line.record) != line.opened.tag)
        line.inconsistency = QStringLiteral("метката на ученика не е тази от записа");
    line.answerHashes = line.record && !line.inconsistency ? TestsSeen::HashesOf(*line.record)
                                                           : std::vector<TestsSeen::AnswerHashes>();
}

// Parses and checks the lines [from, to) of the batch; a slot's earlier
// record is freed there too, by the thread that replaces it.
void ParseLines(std::vector<PendingLine>& batch, std::size_t from, std::size_t to, std::size_t used,
                const ExamSecretKey* secret) {
    for (std::size_t i = from; i < to; ++i) {
        PendingLine& line = batch[i];
        ReadPending(line, secret);
        line.hash = HashNeeded(batch, i, used) ? ChainLink(line.text) : QByteArray();
    }
}

// An opened sealed line whose link is not the hash of the line before it,
// or whose writer could not read that line.
bool BreaksChain(const PendingLine& line, const QByteArray& linkBefore) {
    return line.opened.kind == OpenedLine::Kind::Opened &&
           (line.opened.link != linkBefore || linkBefore == ChainLink(std::nullopt));
}

// A sealed line that is not a record to count: told, and true.
bool TellSealed(const PendingLine& line, const QString& where, const QByteArray& linkBefore,
                ReadResults& read) {
    switch (line.opened.kind) {
    case OpenedLine::Kind::Plain:
        return false;
    case OpenedLine::Kind::NeedsKey:
        ++read.sealedWithoutKey;
        return true;
    case OpenedLine::Kind::AnotherKey:
        read.anotherKey.add(where + QStringLiteral(": ключ ") +
                            Printable(QString::fromLatin1(line.opened.keyId)));
        return true;
    case OpenedLine::Kind::Damaged:
        read.damagedSeals.add(where);
        return true;
    case OpenedLine::Kind::Opened:
        break;
    }
    // Counted all the same: the break is the teacher's to look into.
    if (BreaksChain(line, linkBefore))
        read.chainBreaks.add(line.opened.link == ChainLink(std::nullopt)
                                 ? where + QStringLiteral(" (записан без право на четене)")
                                 : where);
    return false;
}

struct Batch {
    std::vector<PendingLine> lines; // its slots are used again, batch after batch
    std::size_t used = 0;
    qsizetype bytes = 0;
};

// Hands on the records of a parsed batch, in order, and tells the others.
void HandOn(const std::vector<PendingLine>& batch, std::size_t used, const QString& name,
            ReadResults& read, const RecordSink& take, QByteArray& linkBefore) {
    for (std::size_t i = 0; i < used; ++i) {
        const PendingLine& line = batch[i];
        const auto where = [&] {
            return QStringLiteral("%1:%2").arg(name, QString::number(line.number));
        };
        const bool told = line.opened.kind != OpenedLine::Kind::Plain &&
                          TellSealed(line, where(), linkBefore, read);
        const bool broken = BreaksChain(line, linkBefore);
        linkBefore = line.hash;
        if (told) {
            continue;
        } else if (!line.text) {
            read.tooLong.add(where());
        } else if (!line.record) {
            if (const auto version = UnknownVersion(line.opened.json))
                read.unknownVersions.add(where() + QStringLiteral(": ") + *version);
            else if (line.unfinished)
                read.unfinished.add(where());
            else
                read.notRecords.add(where());
        } else {
            const ResultRecord& record = *line.record;
            std::optional<QString> why = line.inconsistency;
            if (!why && !read.tests.admit(record)) {
                read.overCaps.add(
                    QStringLiteral("%1: „%2“ %3")
                        .arg(where(), Printable(record.bankTitle.left(80)), record.run.bankSha256));
                continue;
            }
            if (!why) why = read.tests.disagreement(record, line.answerHashes);
            if (why) {
                read.inconsistent.add(where() + QStringLiteral(": ") + *why);
            } else {
                ++read.records;
                take(*line.record, {.file = name,
                                    .line = line.number,
                                    .afterChainBreak = broken,
                                    .sealed = line.opened.kind == OpenedLine::Kind::Opened});
            }
        }
    }
}

// Reads lines into the batch until it is full; false when the device has
// no more. The batch's slots are used again, and so is each slot's text.
bool FillBatch(LineReader& lines, Batch& batch) {
    batch.used = 0;
    batch.bytes = 0;
    for (;;) {
        if (batch.used == batch.lines.size()) batch.lines.emplace_back();
        PendingLine& slot = batch.lines[batch.used];
        // Its JSON shared the slot's text.
        slot.opened = OpenedLine{};
        ReadLine line{.number = 0, .text = std::move(slot.text), .unfinished = false};
        const bool read = lines.next(line);
        slot.text = std::move(line.text);
        if (!read) return false;
        if (slot.text && IsBlank(*slot.text)) continue;
        slot.number = line.number;
        slot.unfinished = line.unfinished;
        batch.bytes += slot.text ? slot.text->size() : 0;
        if (++batch.used == kBatchLines || batch.bytes >= kBatchBytes) return true;
    }
}

} // namespace

void SkippedLines::add(const QString& where) {
    if (listed.size() < kListedSkips) listed.append(where);
    ++count;
}

void ReadResultsDevice(QIODevice& device, const QString& path, ReadResults& read,
                       const RecordSink& take, const ExamSecretKey* secret) {
    const QString name = Printable(path);
    QByteArray linkBefore = ChainLink(QByteArray()); // the start of the file
    LineReader lines(device, kMaxRecordLineBytes, kFastReaderRoom);
    // Three batches go round: one is read from the device on a thread of its
    // own, the one read before it is parsed by the crew, and the one parsed
    // before that is handed on here, in the order of the file.
    std::array<Batch, 3> batches;
    BatchCrew crew(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8));
    const auto fill = [&lines](Batch* batch) {
        return std::async(std::launch::async, [&lines, batch] { return FillBatch(lines, *batch); });
    };
    const auto parse = [&crew, secret](Batch* batch) {
        crew.start(batch->used, [batch, secret](std::size_t from, std::size_t to) {
            ParseLines(batch->lines, from, to, batch->used, secret);
        });
    };
    bool more = FillBatch(lines, batches[0]);
    parse(&batches[0]);
    std::future<bool> filling;
    if (more) filling = fill(&batches[1]);
    for (std::size_t step = 0;; ++step) {
        Batch* parsed = &batches[step % 3];
        crew.wait();
        const bool another = filling.valid(); // a batch after this one was being read
        if (another) {
            more = filling.get();
            parse(&batches[(step + 1) % 3]);
            if (more) filling = fill(&batches[(step + 2) % 3]);
        }
        HandOn(parsed->lines, parsed->used, name, read, take, linkBefore);
        if (!another) break;
    }
    if (lines.failed())
        read.unreadable.append(
            name + QStringLiteral(": грешка при четене; отчетено е само прочетеното преди нея."));
}

ReadResults ReadResultsFiles(const QStringList& paths, const RecordSink& take,
                             const ExamSecretKey* secret) {
    ReadResults read;
    for (const QString& path : paths) {
        QFile file;
        int error = 0;
        const OpenOutcome outcome = OpenRegularFile(file, path, &error);
        if (outcome == OpenOutcome::Opened)
            ReadResultsDevice(file, path, read, take, secret);
        else
            read.unreadable.append(Printable(path) + QStringLiteral(": ") +
                                   WhyUnreadable(outcome, error));
    }
    return read;
}

} // namespace vorn
