#pragma once
// One question of a graded run, as its record keeps it.

#include <QString>
#include <optional>

namespace vorn {

struct AnswerRecord {
    int number = 0;                // the question's number in the bank, 1-based
    std::optional<QString> chosen; // the text of the chosen option; none when unanswered
    QString key;
    bool right = false;
    QString id; // its stable id; empty: its number (read back as the number)
};

// The id a question of a run is known by: the author's, else its number.
QString QuestionIdOr(const QString& authorId, int number);

} // namespace vorn
