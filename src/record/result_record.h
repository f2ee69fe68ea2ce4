#pragma once
// The record of one graded run, as a teacher collects it: one line of JSON
// (JSON Lines) appended to a results file.
//
//   {"bank":{"sha256":"<64 hex>","title":"..."},
//    "check":{"chosen":"...","key":"...","number":1,"right":true} | null,
//    "format":"vorn-results","host":"...","percent":66,"program":"1.0",
//    "questions":[{"chosen":"..." | null,"key":"...","number":1,"right":false}, ...],
//    "score":2,"seed":42,"time":"2024-05-14T09:31:05Z","total":3,"user":"...",
//    "verdict":"Вероятно!" | null,"version":1}
//
// "questions" holds every question of the run by its number in the bank
// (1-based); "check" is the "Тото" copy of the run's first question (the
// bank's first, or the first drawn from a pool), null when the run has none.
//
// Version 2 adds, each only when it has something to say:
//   "student":{"name","class","number"}          --ask-name, --exam
//     "listed":true                              chosen from --class-list: known by number
//   "timeLimit","timeUsed","timeUp"              --time-limit, in seconds
//   "attempt":2                                  --exam: the student's attempt on this bank
//   "journalSince":"2026-05-12T08:01:00Z"        --exam: the student's first journal
//   "abandoned":true                             stopped before grading; the answers so far
//   "pool":80                                    the bank's questions, when the run drew some
//   "id":"..." in a question                     the author's name for it, when not its number
//
// Version 3 adds, for a run answered on paper and marked from a scan:
//   "paper":{"variant":2,"sheet":"3fa9c2e1-07","scan":"class7b.pdf#3"}

#include "answer_list.h"
#include "run/grade_result.h"
#include "student.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace vorn {

// A record with none of version 2's keys is written as version 1, and one
// without "paper" as version 2 at most, so that earlier players' reports
// still read it.
inline constexpr int kResultsFormatVersion = 3;
// The "format" of every record.
inline constexpr QLatin1StringView kResultsFormatName{"vorn-results"};

// Who took the test, when and where, with which program, bank and seed.
struct RunFacts {
    QDateTime time; // UTC
    QString user;
    QString host;
    QString program;    // the program's version
    QString bankSha256; // see bank_fingerprint.h
    std::uint32_t seed = 0;
};

// Where a run answered on paper came from: the printed variant, the sheet
// (unique to one printed sheet: a sheet is recorded once) and the page of
// the scan it was read from.
struct PaperOrigin {
    int variant = 0; // 1-based
    QString sheet;
    QString scan; // "file#page"
    bool operator==(const PaperOrigin&) const = default;
};

struct ResultRecord {
    RunFacts run;
    QString bankTitle;
    GradeResult grade;
    AnswerList questions;
    std::optional<AnswerRecord> check;
    std::optional<Student> student;  // --ask-name
    KnownBy knownBy = KnownBy::Name; // Number: chosen from a class list ("listed")
    struct Time {
        int limit = 0;   // seconds
        int used = 0;    // seconds the test window was open until grading
        bool up = false; // graded because the time ran out
        bool operator==(const Time&) const = default;
    };
    std::optional<Time> time;   // --time-limit
    std::optional<int> attempt; // 1 for a student's first attempt on the bank
    bool abandoned = false;     // stopped before grading: the grade counts the answers so far
    std::optional<int> pool;    // the bank's questions, when the run drew `questions` from them
    // --exam: when the student's first journal on the bank was made. A record
    // of the student older than that was not written by their exam.
    std::optional<QDateTime> journalSince;
    std::optional<PaperOrigin> paper; // answered on paper, marked from a scan
};

// The record as one line of compact JSON, ending in a newline.
QByteArray RecordLine(const ResultRecord& record);

// Read back with ParseRecordLine (record_parsing.h).

} // namespace vorn
