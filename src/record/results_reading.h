#pragma once
// Reading results files for a report: every line that is a record agreeing
// with itself counts; a line that is not (a fragment, another program's text,
// a later version), a record that contradicts itself or a line too long to be
// a record is skipped and named; blank lines are passed over. A file that
// cannot be read, or is not a regular file, is named and the others still
// count. Each record is handed on as it is read and none is kept, so memory
// stays bounded whatever the files hold. Lines are parsed a batch at a time
// on every core; records are handed on in the order of the files.

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
    SkippedLines unknownVersions; // "path:line: версия N"
    SkippedLines tooLong;
    SkippedLines inconsistent; // "path:line: why"
    SkippedLines overCaps; // "path:line: „title“ fingerprint": a record of a test past the caps
    QStringList unreadable;    // "path: why", Bulgarian, printable
    TestsSeen tests;
};

using RecordSink = std::function<void(const ResultRecord&)>;

ReadResults ReadResultsFiles(const QStringList& paths, const RecordSink& take);

// The lines of one open device, named `path` in what is skipped, added to `read`.
void ReadResultsDevice(QIODevice& device, const QString& path, ReadResults& read,
                       const RecordSink& take);

} // namespace vorn
