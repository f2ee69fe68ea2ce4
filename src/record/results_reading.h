#pragma once
// Reading results files for a report: every line that is a record agreeing
// with itself counts; a line that is not (a fragment, another program's text,
// a later version), a record that contradicts itself or a line too long to be
// a record is skipped and named, an unfinished last line apart from the rest; blank lines are
// passed over. A file that cannot be read, or is not a regular file, is named and the others still
// count. Each record is handed on as it is read, with where it was read
// (record_place.h), and none is kept, so memory
// stays bounded whatever the files hold. Lines are parsed a batch at a time
// on every core; records are handed on in the order of the files.
//
// Records sealed to the teacher (sealed_line.h) are opened with the exam's
// secret key: without it they are only counted; one sealed to another key, or
// cut short, is named. The chain of a file is checked at every sealed record:
// one whose link does not match the line before it is named.

#include "exam_keys.h"
#include "record_place.h"
#include "result_record.h"
#include "tests_seen.h"

#include <QIODevice>
#include <QStringList>
#include <functional>

namespace vorn {

// Far above any record a run writes (a thousand questions of long options),
// far below what would strain memory.
inline constexpr qsizetype kMaxRecordLineBytes = 1024 * 1024;
// Skipped lines named in full per kind; the rest are only counted, so that a
// file of garbage gives a short message.
inline constexpr int kListedSkips = 20;

struct SkippedLines {
    qint64 count = 0;
    QStringList listed; // the first kListedSkips: "path:line", printable

    void add(const QString& where);
};

struct ReadResults {
    qint64 records = 0; // handed on
    SkippedLines notRecords;
    SkippedLines unfinished;      // a last line without its newline that is no record
    SkippedLines unknownVersions; // "path:line: версия N"
    SkippedLines tooLong;
    SkippedLines inconsistent; // "path:line: why"
    SkippedLines overCaps; // "path:line: „title“ fingerprint": a record of a test past the caps
    QStringList unreadable; // "path: why", Bulgarian, printable
    qint64 sealedWithoutKey = 0;
    SkippedLines anotherKey;   // "path:line: ключ <id>"
    SkippedLines damagedSeals; // sealed to this key, but cut short or changed
    SkippedLines chainBreaks;  // "path:line", a sealed record whose link does not match
    TestsSeen tests;
};

using RecordSink = std::function<void(const ResultRecord&, const RecordPlace&)>;

// `secret`: the exam's secret key, to open sealed records; none: they are counted.
ReadResults ReadResultsFiles(const QStringList& paths, const RecordSink& take,
                             const ExamSecretKey* secret = nullptr);

// The lines of one open device, named `path` in what is skipped, added to `read`.
void ReadResultsDevice(QIODevice& device, const QString& path, ReadResults& read,
                       const RecordSink& take, const ExamSecretKey* secret = nullptr);

} // namespace vorn
