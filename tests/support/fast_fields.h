#pragma once
// The fast reader's fields of a line with its answers read as a record reads
// them, so that they compare with Qt's reader's: none when the fast reader
// refuses the line or one of its answers.

#include "record/record_fields.h"

#include <QByteArray>
#include <optional>

namespace vorn::test {

inline std::optional<RecordFields> FastFieldsWithAnswers(const QByteArray& line) {
    std::optional<RecordFields> fields = FastRecordFields(line);
    if (!fields) return std::nullopt;
    for (const std::string_view text : fields->answerTexts) {
        // An element that is no object reads as no fields at all, as in Qt's reader.
        const std::optional<AnswerFields> answer =
            text.empty() ? std::optional(AnswerFields{}) : FastAnswerFields(text);
        if (!answer) return std::nullopt;
        fields->questions.push_back(*answer);
    }
    fields->answerTexts.clear();
    return fields;
}

} // namespace vorn::test
