#pragma once
// The tests (fingerprints) a report's records come from, so that records of
// one test agree with each other and the report's memory stays bounded
// whatever a results file holds: at most kMaxReportTests tests with at most
// kMaxReportQuestions questions between them, and per question no more
// distinct answers than a bank can give it options.

#include "result_record.h"

#include "bank/bank_limits.h"

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace vorn {

inline constexpr int kMaxReportTests = 32;
inline constexpr int kMaxReportQuestions = 5000;

class TestsSeen {
public:
    // Whether the record's test is one already seen or still fits within the
    // caps (it is then seen from now on).
    bool admit(const ResultRecord& record);
    // The hashes of an answer's key and chosen text, each once: kept off the
    // heap, as every answer of every record has them.
    struct AnswerHashes {
        std::array<std::size_t, 2> hashes{};
        int count = 0;
    };
    // A record's, by answer: made where records are read, on every core.
    static std::vector<AnswerHashes> HashesOf(const ResultRecord& record);
    // Why the record disagrees with the first of its test, in Bulgarian; its
    // answers count towards its questions' options when it does not.
    // `hashes`: HashesOf(record).
    std::optional<QString> disagreement(const ResultRecord& record,
                                        const std::vector<AnswerHashes>& hashes);

private:
    struct Options {
        std::array<std::size_t, kMaxOptions> hashes{}; // of their texts
        int count = 0;

        bool has(std::size_t hash) const;
    };
    struct Test {
        int size = 0;                 // questions, the pool's when drawn
        std::vector<Options> options; // by question number
    };
    static int SizeOf(const ResultRecord& record);
    static AnswerHashes NewTexts(const Options& options, const AnswerHashes& answer);

    std::map<QString, Test> tests_;
    std::vector<AnswerHashes> added_; // per answer of the record being checked
    int questions_ = 0;
};

} // namespace vorn
