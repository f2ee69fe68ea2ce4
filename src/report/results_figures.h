#pragma once
// The figures of a report, per bank (by its fingerprint), computed once and
// written by every format: over the finished attempts the percentage's mean,
// median and distribution, the abandoned ones counted apart; per student the
// first attempt and the last, a finished one with its mark; the class's
// average mark and the marks' distribution, per class where there are
// several; over each student's first finished attempt the test's and every
// question's statistics (item_statistics.h), the options' shares and the
// questions' flags. With abandoned attempts counted, an abandoned attempt is
// marked and counts as a finished one does.

#include "item_statistics.h"
#include "record/result_record.h"
#include "remarking.h"
#include "run/marks.h"

#include <array>
#include <optional>
#include <vector>

namespace vorn {

inline constexpr int kPercentBands = 11; // 0–9, 10–19, ..., 90–99, 100

// One attempt as a student's row tells it.
struct AttemptFigures {
    GradeResult grade;        // as the window showed it, the check question included
    std::optional<Mark> mark; // none for an abandoned attempt
    std::optional<ResultRecord::Time> time;
    bool abandoned = false;
    std::optional<bool> checkAgrees; // both answers to the check question the same
    // Where it was taken: a record planted under a student's name shows the
    // login of whoever wrote it.
    QString user;
    QString host;
};

// A student's records on a bank that no run of the exam writes: two
// finished ones with one attempt number (a record copied, or an old attempt
// graded again), one after a break in its file's chain. Leaving before
// grading writes an abandoned record of the attempt that a later start takes
// up again, so abandoned records may share a number.
struct StudentFlags {
    struct Repeated {
        int attempt = 0;
        int records = 0; // finished, with that number
        bool operator==(const Repeated&) const = default;
    };
    std::vector<Repeated> repeated; // by attempt number
    QStringList afterChainBreak;    // "file:line", the first kListedAfterChainBreak
    int moreAfterChainBreak = 0;    // the others, counted
    // "file:line" of records written before the student's first journal on
    // the bank (the earliest "journalSince" of their records): a record copied
    // in or with its time changed.
    QStringList beforeFirstJournal;
    // Where the student's exam records were written, "login на host", when
    // from more than one login or host: a record made up by a classmate, or
    // sealed with the exam's public key on another machine. The first
    // kListedSources, the others counted.
    QStringList sources;
    int moreSources = 0;
    // "file:line" of exam records in clear in a file where the bank's exam
    // records are sealed: one the exam's player did not write.
    QStringList plainAmongSealed;
};
inline constexpr int kListedAfterChainBreak = 5;
inline constexpr int kListedSources = 5;

struct StudentFigures {
    Student who; // from the record's "student", else the login as the name
    int attempts = 0;
    AttemptFigures first;
    std::optional<AttemptFigures> last; // when there is more than one attempt
    int abandoned = 0;                  // of the attempts
    // The first finished attempt: the one the statistics and the class's
    // marks take; none when every attempt was abandoned.
    std::optional<AttemptFigures> marked;
    // Its percentage lies within one standard error of measurement of where
    // a mark starts: another sitting could well give the next mark.
    bool nearBoundary = false;
    StudentFlags flags;
};

// The marks of a class (or of everyone), from each student's marked attempt.
struct MarkSummary {
    QString className;           // empty: everyone in the report
    int students = 0;            // with a mark
    std::optional<Mark> average; // среден успех
    std::array<int, 5> counts{}; // students with 2, 3, 4, 5, 6
};

struct OptionFigures {
    QString text;
    bool key = false;
    OptionStatistics statistics;
};

// What a teacher should look at in a question.
enum class FlagKind {
    NegativeDiscrimination, // check the key
    WrongAboveKey,          // a wrong option chosen more often than the key
    NobodyChose,            // a wrong option nobody chose (known only with the bank)
    EveryoneRight,
    NobodyRight,
};
struct QuestionFlag {
    FlagKind kind;
    QString option; // the option it is about, for WrongAboveKey and NobodyChose
};

struct QuestionFigures {
    int number = 0; // in the bank (in the pool, when runs draw)
    QString id;     // its stable id, or its number
    QString text;   // from the bank given with the report; empty without it
    QString key;
    ItemStatistics statistics;
    std::vector<OptionFigures> options; // the key first, then in the order first seen
    std::vector<QuestionFlag> flags;
};

struct BankFigures {
    QString title;
    QString sha256;
    int attempts = 0;                   // finished ones (every one, when abandoned ones count)
    int abandoned = 0;                  // records of abandoned attempts
    bool abandonedCounted = false;      // they are among the attempts, marked
    bool remarked = false;              // marked again against a corrected bank's keys
    std::vector<KeyChange> keyChanges;  // the keys it changed
    std::vector<VoidedQuestion> voided; // questions left out of every figure
    int meanTenths = 0;                 // of the percentage, over the attempts counted
    int medianTenths = 0;               // of the percentage, over the attempts counted
    std::array<int, kPercentBands> bands{};
    std::vector<StudentFigures> students;   // by class, number and name
    MarkSummary marks;                      // everyone's
    std::vector<MarkSummary> classes;       // one per class, when there are several
    TestStatistics test;                    // over the first finished attempts
    std::vector<QuestionFigures> questions; // the hardest (lowest facility) first
};

// count of attempts as tenths of a percent: 1 of 3 is 333.
int ShareTenths(int count, int attempts);
// Tenths as text with one decimal after `point`: 333 is "33,3".
QString TenthsText(int tenths, QChar point);
// A figure with two decimals after `point`; "" for none.
QString FigureText(std::optional<double> figure, QChar point);
// A figure as the text and the page show it: a decimal comma, `unit` after
// it; "-" when it is not defined.
QString FigureOrDash(std::optional<double> figure, const QString& unit = {});
// A question as the report names it: its number, and the author's id in
// brackets when it has one ("7 [площ-1]"). Unescaped.
QString QuestionName(int number, const QString& id);
// A question's figures as the text and the page show them, in this order:
// facility (± its standard error), standard deviation, discrimination and
// efficiency (each with the small-sample note), the share left unanswered.
QStringList ItemFigureTexts(const ItemStatistics& s);
// The mark as "4,17 Добър"; "без оценка" for an attempt without one.
QString MarkOrNone(const std::optional<Mark>& mark, QChar point);
// "малка извадка" after a correlation over fewer than kSmallSample attempts:
// " (малка извадка)", else "".
QString SampleNote(int attempts);
// What the report was told to do otherwise than the records say, in
// Bulgarian sentences for the top of every format: the questions voided and
// the keys corrected. None when the records stand as they are.
QStringList RemarkingNotes(const BankFigures& bank);
// "потребител lab, компютър pc-07": where the attempt was taken, the part
// the record leaves empty left out; "" when it says neither.
QString LoginText(const AttemptFigures& attempt);
// The name of a band of the distribution: "0–9", "10–19", ..., "100".
QString BandName(int band);

} // namespace vorn
