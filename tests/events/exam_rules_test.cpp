// The exam's two questions as the form asks them: before grading with
// positions open and before leaving an ungraded test; the clock grades
// without asking.

#include "exam/exam_questions.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(ExamRules, GradingAndLeavingAskFirstAndAnAnswerOfNoKeepsTheTestGoing) {
    enum class Event { Grade, Leave, TimeUp, LeaveGraded };
    const struct {
        const char* what;
        int answered; // of the four positions, from the first
        Event event;
        bool answer;
        std::vector<int> askedOpen; // for grading
        bool askedStop;
        bool graded, abandoned, ended;
    } cases[] = {
        {"grade, two open, no", 2, Event::Grade, false, {3, 4}, false, false, false, false},
        {"grade, two open, yes", 2, Event::Grade, true, {3, 4}, false, true, false, false},
        {"grade, all answered", 4, Event::Grade, false, {}, false, true, false, false},
        {"leave, no", 1, Event::Leave, false, {}, true, false, false, false},
        {"leave, yes", 1, Event::Leave, true, {}, true, false, true, true},
        {"time up", 0, Event::TimeUp, false, {}, false, true, false, false},
        {"leave once graded", 0, Event::LeaveGraded, false, {}, false, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run =
            test::StartRun(test::MakeBank({.questions = 4, .checkFlag = test::kCheckOff}),
                           test::StepThenIdentity(0.1f, 4));
        VORN_Prazno& form = *run->form;
        std::vector<int> askedOpen;
        bool askedStop = false, abandoned = false, ended = false;
        form.ConfirmGrading = [&](const std::vector<int>& open) {
            askedOpen = open;
            return c.answer;
        };
        form.ConfirmStop = [&] { return askedStop = true, c.answer; };
        form.Abandoned = [&] { abandoned = true; };
        form.End = [&] { ended = true; };
        for (int p = 0; p < c.answered; ++p) {
            form.Option1_Click(0);
            form.Command1_Click(0);
        }
        if (c.event == Event::Grade) form.Command2_Click(0);
        if (c.event == Event::Leave) form.izhod_Click(0);
        if (c.event == Event::TimeUp || c.event == Event::LeaveGraded) form.TimeUp();
        if (c.event == Event::LeaveGraded) form.izhod_Click(0);
        EXPECT_EQ(askedOpen, c.askedOpen);
        EXPECT_EQ(askedStop, c.askedStop);
        EXPECT_EQ(form.run().mode() == RunMode::Review, c.graded);
        EXPECT_EQ(std::pair(abandoned, ended), std::pair(c.abandoned, c.ended));
    }
}

TEST(ExamRules, TheGradingQuestionCountsAndListsTheOpenPositions) {
    EXPECT_EQ(UnansweredQuestion({2, 5, 7}),
              QStringLiteral("Има 3 въпроса без отговор. Да се оцени ли тестът?\n\n"
                             "Без отговор: 2, 5, 7."));
    EXPECT_EQ(UnansweredQuestion({4}), QStringLiteral("Има 1 въпрос без отговор. Да се оцени ли "
                                                      "тестът?\n\nБез отговор: 4."));
}
