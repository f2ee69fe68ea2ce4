#pragma once
// The exam's journal: what a crash or a power cut must not take. While a
// student answers (--exam with --results), the run, the time used and the
// attempt are kept in a small JSON file beside the results file, written
// whole, synced and put in place at once, after every answer and every 15
// seconds. Starting again with the same bank and student finds it and goes on
// with the same run; once graded it stays as the count of attempts.
//
// It holds only what a resumed run needs: the draws, the chosen options, the
// position and the time. No key, no judgement and no score: students can
// read the folder it is in, and the judgements are worked out again from the
// bank when the run is taken up. Version 1 also held the judgements; it is
// still read, and the next write replaces it with version 2.
//
//   {"format":"vorn-journal","version":2,"program":"1.0",
//    "bank":"<sha256>","student":{"name","class","number"},
//    "attempt":1,"graded":0,"state":"open"|"graded"|"abandoned",
//    "seed":42,"timeLimit":2400|null,"timeUsed":75,"run":{...},
//    "since":"2026-05-12T08:01:00Z","mac":"<hex>"}

#include "journal_key.h"
#include "record/student.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace vorn {

inline constexpr int kJournalSeconds = 15; // the time used is written this often

struct Journal {
    enum class State { Open, Graded, Abandoned };
    QString program; // the version that wrote it
    QString bankSha256;
    Student student;
    int attempt = 1; // this attempt, 1-based
    int graded = 0;  // graded attempts, this one included once graded
    State state = State::Open;
    std::uint32_t seed = 0;
    std::optional<int> timeLimit; // seconds
    int timeUsed = 0;             // seconds
    QJsonObject run;              // Attempt::toJson
    // When the student's first journal on the bank was made, carried from
    // attempt to attempt and into the records.
    std::optional<QDateTime> since;

    bool operator==(const Journal&) const = default;
};

// "<results file>.<12 hex of the bank>-<12 hex of the student>.journal":
// beside the results file, one per bank and student (StudentIdentity), a name
// safe on any file system whatever the student typed.
QString JournalPath(const QString& resultsPath, const QString& bankSha256, const Student& student,
                    KnownBy knownBy = KnownBy::Name);

QByteArray JournalBytes(const Journal& journal);
// The same with its MAC ("mac", over the rest of it): what the player writes.
QByteArray JournalBytes(const Journal& journal, const JournalKey& key);

struct NoJournal {};
struct UnreadableJournal {
    QString why; // Bulgarian
};
// Read, or none there, or a file that is not a journal this account's player
// wrote. Nothing at the path is taken on trust: a link there is not followed,
// a FIFO, a device or a file larger than any journal is not read, and a
// journal whose MAC does not fit `key` is unreadable.
std::variant<NoJournal, Journal, UnreadableJournal> ReadJournal(const QString& path,
                                                                const JournalKey& key);
// The bytes of a journal file, the MAC checked first.
std::variant<Journal, UnreadableJournal> AuthenticJournalFromBytes(const QByteArray& bytes,
                                                                   const JournalKey& key);
// The bytes of a journal file, read whatever their MAC.
std::variant<Journal, UnreadableJournal> JournalFromBytes(const QByteArray& bytes);

// Writes the journal whole and synced with its MAC, replacing the last one at
// once (never through a link); the problem in Bulgarian when it could not.
std::optional<QString> WriteJournal(const QString& path, const Journal& journal,
                                    const JournalKey& key);

// Moves a journal that will not be used out of the way, never deleting it:
// "<path>.<UTC time>.kept". The new name, or none when it could not be moved.
std::optional<QString> KeepJournalAside(const QString& path);

} // namespace vorn
