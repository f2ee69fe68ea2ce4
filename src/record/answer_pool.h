#pragma once
// The answers of the records read on one thread, each kept once by its JSON
// text: the records of a test repeat the same few answers, so a record holds
// the pooled ones (answer_list.h), and reading a record neither makes nor
// frees an answer's texts. A pool keeps a fixed number of answers; when it is
// full the next answer starts another, and the full one lives on while a
// record holds it, so memory stays bounded whatever a file holds. A long
// text is read every time and its answer kept by its record alone.

#include "answer_list.h"
#include "text_cache.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace vorn {

class AnswerPool {
public:
    // An answer read from its JSON text; none when the text is not one.
    using Reader = std::optional<AnswerRecord> (*)(std::string_view json);

    // Appends the answer `json` is to `list`, read with `read` the first
    // time its text comes; false when it is no answer.
    bool add(std::string_view json, Reader read, AnswerList& list);

private:
    static constexpr std::size_t kAnswers = 4096;
    // Far above an answer a player writes (two options of a few words).
    static constexpr std::size_t kMaxTextBytes = 1024;
    struct Store {
        std::vector<AnswerRecord> answers; // never past kAnswers: an answer stays where it is
    };
    void renew();

    std::shared_ptr<Store> store_;
    // store_ as its records hold it, made once: a conversion for every answer
    // would count a reference up and down each time.
    std::shared_ptr<const void> holder_;
    TextKeyedCache<const AnswerRecord*, kAnswers> known_; // store_'s answers
};

} // namespace vorn
