#pragma once
// A bank's settings by meaning: the test's title and what each switch turns
// on. The defaults are those of a new bank (an imported one, or a file that
// leaves a switch out).

#include <QString>

namespace vorn {

// The check ("Проверка за Тото"): whether the run ends with question 1 asked
// once more, and whether the grade tells if its two answers agree.
enum class CheckMode {
    Off,
    VerdictOnly,  // no copy: the verdict compares the first and the last question
    WithQuestion, // the copy of question 1 at the end, and the verdict on the two
};

struct BankSettings {
    QString title;
    bool phrasePreview = false; // the filled two-part phrase under the options
    CheckMode check = CheckMode::Off;
    bool explanations = true;     // each question's explanation in review
    bool reviewNavigation = true; // paging through the review

    bool addsCheckQuestion() const { return check == CheckMode::WithQuestion; }
    bool showsVerdict() const { return check != CheckMode::Off; }

    bool operator==(const BankSettings&) const = default;
};

} // namespace vorn
