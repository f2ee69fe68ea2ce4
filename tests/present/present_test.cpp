// The presenter without a window, where the golden traces do not reach: the
// filled phrase of texts their banks have none of (a blank at the start, two
// blanks, Cyrillic cut by characters, an empty option), and bars that follow
// moved buttons.

#include "present/present.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(FilledPhrase, TheFirstBlankTakesTheOptionAndLosesTheBlankAfterIt) {
    const struct {
        const char* question;
        const char* option;
        const char* phrase;
    } cases[] = {
        {"I ___ happy.", "am", "I  am happy."},
        {"Аз ___ щастлив.", "съм", "Аз  съм щастлив."},    // cut by characters
        {"_ is a noun.", "Cat", " Cat is a noun."},        // blank at the start
        {"The answer is ___", "42", "The answer is  42 "}, // and at the end
        {"_ and _", "this", " this and _"},                // only the first blank
        {"a __ b ___ c", "x", "a  x b ___ c"},
        {"I ___ happy.", "", "I   happy."}, // an empty option
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilledPhrase(QString::fromUtf8(c.question), QString::fromUtf8(c.option)),
                  QString::fromUtf8(c.phrase))
            << c.question;
}

TEST(Progress, BarsFollowTheNavigationButtons) {
    const Attempt run = test::StartAttempt(
        test::MakeBank({.questions = 3, .check = CheckMode::Off}), test::StepThenIdentity(0.0f, 3));
    FormControls form;
    form.moves.forward.Left = 300;
    form.moves.back.Left = 8000;
    form.moves.back.Width = 1000;
    Present(run, form);
    for (const Bar* bar : {&form.progress.positionBar, &form.progress.answeredBar}) {
        EXPECT_EQ(bar->passed.Left, 300.0f);
        EXPECT_EQ(bar->rest.Left + bar->rest.Width, 8950.0f) << "R = 8000 + 1000 - 50";
    }
}
