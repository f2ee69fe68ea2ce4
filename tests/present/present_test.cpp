// The presenter without a window: the filled phrase, the bars as worked by
// hand, and what no golden trace reaches (bars that follow moved buttons).

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
        {"I _ happy.", "am", "I  am happy."},              // any run length
        {"Аз ___ щастлив.", "съм", "Аз  съм щастлив."},    // cut by characters
        {"_ is a noun.", "Cat", " Cat is a noun."},        // blank at the start
        {"The answer is ___", "42", "The answer is  42 "}, // and at the end
        {"It is ___.", "small", "It is  small ."},         // a mark right after it stays
        {"a ___b", "x", "a  x b"},
        {"_ and _", "this", " this and _"}, // only the first blank
        {"a __ b ___ c", "x", "a  x b ___ c"},
        {"Без празно място", "да", "Без празно място да "}, // none: as if at the end
        {"", "да", " да "},
        {"I ___ happy.", "", "I   happy."}, // an empty option
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilledPhrase(QString::fromUtf8(c.question), QString::fromUtf8(c.option)),
                  QString::fromUtf8(c.phrase))
            << c.question;
}

TEST(Progress, BarsAsWorkedByHandFor21Questions) {
    // R = 9000 + 1575 - 50 = 10525; a passed segment is R * done / 21 + 50.
    const struct {
        int position, answered;
        float passed, answeredPassed;
        const char* counter;
    } cases[] = {
        {0, 0, 50.0f, 50.0f, "Въведени отговори: 0/21"},
        {0, 1, 50.0f, 50.0f, "Въведени отговори: 1/21"}, // one answer looks like position 0
        {20, 21, 10073.8096f, 10073.8096f, "Въведени отговори: 21/21"},
        {10, 6, 5061.9048f, 2555.9524f, "Въведени отговори: 6/21"},
    };
    TestRun run = test::StartTestRun(test::MakeBank(), test::StepThenIdentity(0.0f, 21));
    for (const auto& c : cases) {
        TestRun at = run;
        for (int p = 0; p < 21; ++p, at.moveForward())
            if (p < c.answered) at.choose(0);
        while (at.currentPosition() > c.position)
            at.moveBack();
        FormControls form;
        Present(at, form);
        for (const auto* bar : {&form.Shape1, &form.Shape2}) {
            const float passed = bar == &form.Shape1 ? c.passed : c.answeredPassed;
            EXPECT_EQ((*bar)(0).Left, 240.0f) << "the passed segment starts at Напред";
            EXPECT_NEAR((*bar)(0).Width, passed, 0.01f) << c.position << " " << c.answered;
            EXPECT_EQ((*bar)(1).Left, 240.0f + (*bar)(0).Width) << "the rest follows it";
            EXPECT_EQ((*bar)(1).Left + (*bar)(1).Width, 10525.0f) << "and ends at R";
        }
        EXPECT_EQ(form.Label1(2).Caption, QString::fromUtf8(c.counter));
    }
}

TEST(Progress, BarsFollowTheNavigationButtons) {
    const TestRun run =
        test::StartTestRun(test::MakeBank({.questions = 3, .checkFlag = test::kCheckOff}),
                           test::StepThenIdentity(0.0f, 3));
    FormControls form;
    form.Command1(0).Left = 300;
    form.Command1(1).Left = 8000;
    form.Command1(1).Width = 1000;
    Present(run, form);
    for (const auto* bar : {&form.Shape1, &form.Shape2}) {
        EXPECT_EQ((*bar)(0).Left, 300.0f);
        EXPECT_EQ((*bar)(1).Left + (*bar)(1).Width, 8950.0f) << "R = 8000 + 1000 - 50";
    }
}
