#pragma once
// What a teacher should look into in one student's records on a bank
// (StudentFlags, results_figures.h), gathered a record at a time, and how it
// is said to the teacher: one home for the rules and their words.

#include "record/record_place.h"
#include "results_figures.h"

#include <QDateTime>
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
    // attempts, so a look at each is faster than a hash.
    std::vector<StudentFlags::Repeated> finishedByAttempt_;
    std::vector<RecordPlace> afterChainBreak_;
    int moreAfterChainBreak_ = 0;
    std::optional<QDateTime> firstJournal_;
    // The time and place of each record that may be older than the first
    // journal, the first of them in the file; a place is spelt out only when
    // it is told.
    std::vector<std::pair<QDateTime, RecordPlace>> written_;
    // The exam records' distinct logins and hosts, and those in clear.
    std::vector<std::pair<QString, QString>> sources_;
    std::vector<RecordPlace> plainExamRecords_;
};

// Each flag as a Bulgarian sentence, the places as they are (escape them for
// where they go); none when there is nothing to look into.
QStringList StudentFlagTexts(const StudentFlags& flags);

} // namespace vorn
