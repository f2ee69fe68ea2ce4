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
// "questions" holds every bank question by its number in the bank (1-based);
// "check" is the "Тото" copy of question 1, null when the run has none.

#include "run/grade_result.h"
#include "student.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorn {

// Version 2 adds who answered ("student") and the time limit ("timeLimit",
// "timeUsed" and "timeUp", in seconds); a record with neither is written as
// version 1, so that earlier players' reports still read it.
inline constexpr int kResultsFormatVersion = 2;

// Who took the test, when and where, with which program, bank and seed.
struct RunFacts {
    QDateTime time; // UTC
    QString user;
    QString host;
    QString program;    // the program's version
    QString bankSha256; // see bank_fingerprint.h
    std::uint32_t seed = 0;
};

struct AnswerRecord {
    int number = 0;                // the question's number in the bank, 1-based
    std::optional<QString> chosen; // the text of the chosen option; none when unanswered
    QString key;
    bool right = false;
};

struct ResultRecord {
    RunFacts run;
    QString bankTitle;
    GradeResult grade;
    std::vector<AnswerRecord> questions;
    std::optional<AnswerRecord> check;
    std::optional<Student> student; // --ask-name
    struct Time {
        int limit = 0;   // seconds
        int used = 0;    // seconds the test window was open until grading
        bool up = false; // graded because the time ran out
        bool operator==(const Time&) const = default;
    };
    std::optional<Time> time; // --time-limit
};

// The record as one line of compact JSON, ending in a newline.
QByteArray RecordLine(const ResultRecord& record);

// A line read back; none when it is not a whole record of a known version.
std::optional<ResultRecord> ParseRecordLine(const QByteArray& line);

} // namespace vorn
