#include "tests_seen.h"

#include "platform/text.h"

#include <algorithm>
#include <cstdint>

namespace vorn {

bool TestsSeen::Options::has(std::size_t hash) const {
    return std::find(hashes.begin(), hashes.begin() + count, hash) != hashes.begin() + count;
}

int TestsSeen::SizeOf(const ResultRecord& record) {
    return record.pool.value_or(static_cast<int>(record.questions.size()));
}

namespace {

// The hash of a text in a storage met before on this thread is the one made
// then (InHeldStorage).
std::size_t HashOf(const QString& text) {
    constexpr int kPlaceBits = 10;
    thread_local std::array<std::pair<QString, std::size_t>, 1 << kPlaceBits> hashed;
    // Storage is aligned, so its address's low bits are all alike: every bit
    // is mixed into the place (Fibonacci hashing).
    const std::uint64_t address = reinterpret_cast<std::uintptr_t>(text.constData());
    auto& [held, hash] = hashed[(address * 0x9E3779B97F4A7C15ULL) >> (64 - kPlaceBits)];
    if (!InHeldStorage(held, text)) {
        held = text;
        hash = QuickHash(text);
    }
    return hash;
}

} // namespace

std::vector<TestsSeen::AnswerHashes> TestsSeen::HashesOf(const ResultRecord& record) {
    std::vector<AnswerHashes> all;
    all.reserve(record.questions.size());
    for (const AnswerRecord& answer : record.questions) {
        AnswerHashes& hashes = all.emplace_back();
        // A right answer's chosen text is its key.
        const QString* chosen = answer.chosen && !answer.right ? &*answer.chosen : nullptr;
        for (const QString* text : {&answer.key, chosen}) {
            if (!text || text->isEmpty()) continue;
            const std::size_t hash = HashOf(*text);
            if (hashes.count == 0 || hashes.hashes[0] != hash)
                hashes.hashes[static_cast<std::size_t>(hashes.count++)] = hash;
        }
    }
    return all;
}

TestsSeen::AnswerHashes TestsSeen::NewTexts(const Options& options, const AnswerHashes& answer) {
    AnswerHashes added;
    for (int i = 0; i < answer.count; ++i)
        if (const std::size_t hash = answer.hashes[static_cast<std::size_t>(i)]; !options.has(hash))
            added.hashes[static_cast<std::size_t>(added.count++)] = hash;
    return added;
}

bool TestsSeen::admit(const ResultRecord& record) {
    if (tests_.contains(record.run.bankSha256)) return true;
    const int size = SizeOf(record);
    if (static_cast<int>(tests_.size()) >= kMaxReportTests ||
        questions_ + size > kMaxReportQuestions)
        return false;
    questions_ += size;
    tests_.emplace(record.run.bankSha256,
                   Test{.size = size, .options = std::vector<Options>(std::size_t(size) + 1)});
    return true;
}

std::optional<QString> TestsSeen::disagreement(const ResultRecord& record,
                                               const std::vector<AnswerHashes>& hashes) {
    Test& test = tests_.at(record.run.bankSha256);
    if (const int size = SizeOf(record); size != test.size)
        return QStringLiteral("въпросите са %1, а в първия запис на същия тест са %2")
            .arg(size)
            .arg(test.size);
    // The key and every answer given to a question are among its options, so
    // a question has no more distinct ones than a bank can give it. Checked
    // for every answer first: a record that disagrees adds none.
    added_.clear();
    for (std::size_t a = 0; a < record.questions.size(); ++a) {
        const AnswerRecord& answer = record.questions[a];
        const Options& options = test.options[static_cast<std::size_t>(answer.number)];
        added_.push_back(NewTexts(options, hashes[a]));
        if (options.count + added_.back().count > kMaxOptions)
            return QStringLiteral("въпрос %1 има повече от %2 различни отговора в записите на "
                                  "същия тест")
                .arg(answer.number)
                .arg(kMaxOptions);
    }
    for (std::size_t a = 0; a < record.questions.size(); ++a) {
        Options& options = test.options[static_cast<std::size_t>(record.questions[a].number)];
        const AnswerHashes& added = added_[a];
        for (int i = 0; i < added.count; ++i)
            options.hashes[static_cast<std::size_t>(options.count++)] =
                added.hashes[std::size_t(i)];
    }
    return std::nullopt;
}

} // namespace vorn
