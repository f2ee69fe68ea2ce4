#pragma once
// What a teacher should look into in one student's records on a bank
// (StudentFlags, results_figures.h), gathered a record at a time, and how it
// is said to the teacher: one home for the rules and their words.

#include "record/record_place.h"
#include "results_figures.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

namespace vorn {

// The files a bank's records were read from, each named once: a student's
// checks keep tens of places, each 16 bytes with its file's number where the
// file's name made it 40.
class RecordFiles {
public:
    // The same name gives the same number, from 0 up.
    int numberOf(const QString& file);
    const QString& name(int number) const { return names_[number]; }

    // Whether the file holds sealed records.
    bool sealed(int number) const { return sealed_[std::size_t(number)]; }
    void setSealed(int number) { sealed_[std::size_t(number)] = true; }

private:
    QStringList names_;
    QHash<QString, int> numbers_;
    std::vector<bool> sealed_;
};

class StudentRecordChecks {
public:
    // `file`: the number of `place`'s file among the bank's files.
    void add(const ResultRecord& record, const RecordPlace& place, int file);
    StudentFlags flags(const RecordFiles& files) const;

private:
    // A place as the checks keep it.
    struct Kept {
        qint64 line = 0;
        int file = 0;
    };
    void addExamRecord(const ResultRecord& record, const RecordPlace& place, Kept kept);
    static QString Where(const RecordFiles& files, Kept place);

    // Finished records per attempt number: a student makes a handful of
    // attempts, so a look at each is faster than a hash.
    std::vector<StudentFlags::Repeated> finishedByAttempt_;
    std::vector<Kept> afterChainBreak_;
    int moreAfterChainBreak_ = 0;
    std::optional<QDateTime> firstJournal_;
    // The time and place of each record that may be older than the first
    // journal, the first of them in the file; a place is spelt out only when
    // it is told.
    std::vector<std::pair<QDateTime, Kept>> written_;
    // The exam records' distinct logins and hosts, and those in clear.
    std::vector<std::pair<QString, QString>> sources_;
    std::vector<Kept> plainExamRecords_;
};

// Each flag as a Bulgarian sentence, the places as they are (escape them for
// where they go); none when there is nothing to look into.
QStringList StudentFlagTexts(const StudentFlags& flags);

} // namespace vorn
