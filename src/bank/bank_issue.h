#pragma once
// A problem found in a bank file: an error that stops it from being played,
// a warning about something playable that is probably a mistake, or a note
// about what the player does with something that is fine. It knows where it
// is: the line and column of the text, the question, or neither.

#include <QString>

namespace vorn {

struct BankIssue {
    enum class Severity { Error, Warning, Note };
    Severity severity = Severity::Error;
    int line = 0;     // 1-based; 0: not tied to a line
    int column = 0;   // 1-based, in characters; 0: not tied to a column
    int question = 0; // 1-based number in the bank; 0: the bank as a whole
    QString message;  // Bulgarian, one sentence, without the place
    // The reader may have split or joined questions here (a block left open),
    // so the count of questions is not sure until it is mended.
    bool countUncertain = false;

    bool isError() const { return severity == Severity::Error; }
    bool isWarning() const { return severity == Severity::Warning; }
};

// "банка.gift:12:5: грешка: въпрос 3: ..." in the form compilers use, so that
// editors can jump to the place.
QString FormatIssue(const QString& file, const BankIssue& issue);

} // namespace vorn
