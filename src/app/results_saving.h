#pragma once
// Keeping the record of a graded run (--results). It is appended to the
// teacher's results file; where that fails, the examinee is told (standard
// error and a box that does not block), and the record is kept in a fallback
// file in the user's documents folder, where a student finds it, or, if even
// that fails, written to standard error. The result on screen is never touched.

#include "record/exam_keys.h"
#include "record/result_record.h"
#include "record/results_file.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <thread>

namespace vorn {

struct ResultsPlace {
    QString path;         // the teacher's results file
    QString fallbackPath; // FallbackResultsPath() when playing
    std::chrono::milliseconds lockWait = kResultsLockWait;
    std::optional<ExamPublicKey> sealTo; // --results-key: records sealed to the teacher
};

// "резултати-от-тестове.jsonl" in the user's documents folder.
QString FallbackResultsPath();

// Now, this login and host, this program, with the bank's fingerprint and the
// seed of the run.
RunFacts FactsOfThisRun(const QString& bankSha256, std::uint32_t seed);

// What keeping a record came to: none, or the message for the examinee
// (already said on standard error, with the record where no file took it).
// File work only: it may wait for another writer's lock, so it runs off the
// window's thread.
std::optional<QString> KeepRecord(const LineAfter& line, const ResultsPlace& place);

// The record's line as the place takes it: as it is, or sealed to the
// teacher and chained to the line before it.
LineAfter RecordLineFor(const ResultRecord& record, const ResultsPlace& place);

// Keeps the record and shows what went wrong in a box over `parent` (titled
// `title`), all at once.
void SaveResults(const ResultRecord& record, const ResultsPlace& place, QWidget* parent,
                 const QString& title);

// Keeps records on a thread of its own, so that the window shows the result at
// once and never freezes while another player holds the file; a problem is
// shown over `parent` when the record is done. Waits for a record still being
// written when it goes, so that none is lost at exit.
class ResultsKeeper {
public:
    ResultsKeeper(ResultsPlace place, QWidget* parent, QString title);
    ~ResultsKeeper();
    ResultsKeeper(const ResultsKeeper&) = delete;
    ResultsKeeper& operator=(const ResultsKeeper&) = delete;

    void keep(const ResultRecord& record);
    void wait(); // until the record being kept is on disk (or told)

private:
    ResultsPlace place_;
    QPointer<QWidget> parent_;
    QString title_;
    std::thread worker_;
};

} // namespace vorn
