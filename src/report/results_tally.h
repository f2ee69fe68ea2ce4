#pragma once
// The records of a report counted one at a time into the figures of each
// bank, so that memory grows with the students and the questions, never with
// the records: per student only the first, the last and the first finished
// attempt are kept, and what student_flags.h checks across the attempts.
//
// A student is the record's "student", told apart as the exam tells them
// (StudentIdentity: the class and the name, whatever their case, blanks or
// Latin look-alikes), else its login. A class is shown as its first record
// spells it. A student's attempts on a bank are ordered by their "attempt"
// numbers, else by time, else as read. An abandoned attempt is counted apart
// and listed, but has no mark and stays out of the percentages, the marks and
// the statistics, which take each student's first finished attempt, as Moodle
// takes finished attempts only; with `countAbandoned` it counts as finished.
// Questions are joined by their id.

#include "bank/bank_content.h"
#include "record/record_place.h"
#include "results_figures.h"
#include "run/marks.h"
#include "student_keys.h"

#include <QHash>
#include <memory>
#include <vector>

namespace vorn {

struct ReportSettings {
    MarkScale marks;
    QString className; // only this class; empty: everyone
    // The bank the records were taken on, for its questions' texts and
    // options, or a correction of it (remarking.h), against whose keys every
    // attempt is marked again; records of other banks get neither.
    std::optional<BankContent> bank;
    QStringList voided;          // questions (ids or numbers) left out of every figure
    bool countAbandoned = false; // abandoned attempts marked and counted as finished
};

class ResultsTally {
public:
    explicit ResultsTally(ReportSettings settings);
    ~ResultsTally();
    ResultsTally(const ResultsTally&) = delete;
    ResultsTally& operator=(const ResultsTally&) = delete;

    // `place`: where it was read, for the flags about that record.
    void add(const ResultRecord& record, const RecordPlace& place = {});
    // Records counted (of the class asked for).
    qint64 counted() const { return counted_; }
    // Whether the bank given in the settings was among the records', or a
    // correction of one of them.
    bool bankMatched() const;
    // Why the bank given is a correction of none of the records' banks, one
    // reason per bank of the records.
    QStringList bankMismatches() const;
    // Why no report can be made: a record of a corrected bank that cannot be
    // marked again, or an attempt with every question voided.
    std::optional<QString> refusal() const { return refusal_; }
    // The classes the records name, whichever class was asked for, in the
    // order of a Bulgarian class list; at most kMaxClassesSeen of them.
    QStringList classesSeen() const;
    static constexpr int kMaxClassesSeen = 200;

    // Banks in the order their first record came.
    std::vector<BankFigures> figures() const;

private:
    struct Bank;
    Bank& bankOf(const ResultRecord& record);
    void addTo(Bank& bank, const ResultRecord& record, int student, const RecordPlace& place);

    ReportSettings settings_;
    QString givenSha256_;
    std::vector<std::unique_ptr<Bank>> banks_;
    qint64 counted_ = 0;
    QString givenClass_; // the identity of the class asked for
    // Each class's identity (ClassIdentity) and its first spelling, shown
    // for every spelling of it.
    QHash<QString, QString> classSpellings_;
    qint64 sequence_ = 0;
    StudentKeys studentKeys_;
    std::optional<QString> refusal_;
};

} // namespace vorn
