#pragma once
// Keeping the record of a graded run (--results). It is appended to the
// teacher's results file; where that fails, the examinee is told (standard
// error and a box that does not block), and the record is kept in a fallback
// file in the user's data folder, or, if even that fails, written to standard
// error. The result on screen is never touched.

#include "results/result_record.h"
#include "results/results_file.h"

#include <QString>

class QWidget;

namespace vorn {

struct ResultsPlace {
    QString path;         // the teacher's results file
    QString fallbackPath; // FallbackResultsPath() when playing
    std::chrono::milliseconds lockWait = kResultsLockWait;
};

// "results.jsonl" in the user's data folder of the application.
QString FallbackResultsPath();

// Now, this login and host, this program, with the bank's fingerprint and the
// seed of the run.
RunFacts FactsOfThisRun(const QString& bankSha256, std::uint32_t seed);

// `title` is the title of the message box, over `parent`.
void SaveResults(const ResultRecord& record, const ResultsPlace& place, QWidget* parent,
                 const QString& title);

} // namespace vorn
