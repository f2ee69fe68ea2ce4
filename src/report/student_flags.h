#pragma once
// What a teacher should look into in one student's records on a bank
// (StudentFlags, results_figures.h), gathered a record at a time, and how it
// is said to the teacher: one home for the rules and their words.

#include "record/record_place.h"
#include "results_figures.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace vorn {

class StudentRecordChecks {
public:
    void add(const ResultRecord& record, const RecordPlace& place);
    // `sealedFiles`: the files holding sealed records of the bank.
    StudentFlags flags(const QSet<QString>& sealedFiles) const;

private:
    void addExamRecord(const ResultRecord& record, const RecordPlace& place);

    // Finished records per attempt number: a student makes a handful of
    // attempts, so this stays small.
    QHash<int, int> finishedByAttempt_;
    QStringList afterChainBreak_;
    int moreAfterChainBreak_ = 0;
    std::optional<QDateTime> firstJournal_;
    std::vector<std::pair<QDateTime, QString>> written_; // each record's time and place
    // The exam records' distinct "login на host", and those in clear.
    QStringList sources_;
    QSet<QString> logins_, hosts_; // of those kept
    std::vector<RecordPlace> plainExamRecords_;
};

// Each flag as a Bulgarian sentence, the places as they are (escape them for
// where they go); none when there is nothing to look into.
QStringList StudentFlagTexts(const StudentFlags& flags);

} // namespace vorn
