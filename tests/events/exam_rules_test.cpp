// The exam's two questions as the form asks them: before grading with
// positions open and before leaving an ungraded test; the clock grades
// without asking. What happened leaves through the form's one listener.

#include "exam/exam_questions.h"
#include "support/form_listeners.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

// What leaves the form, in order: "a" an answer or a move, "g" graded, "x"
// abandoned. Each position answered is a choice and a move forward.
TEST(ExamRules, GradingAndLeavingAskFirstAndTheListenerHearsWhatHappened) {
    enum class Event { Grade, Leave, TimeUp, LeaveGraded };
    const struct {
        const char* what;
        int answered; // of the four positions, from the first
        Event event;
        bool answer;
        std::vector<int> askedOpen; // for grading
        bool askedStop;
        bool graded, closed;
        const char* heard;
    } cases[] = {
        {"grade, two open, no", 2, Event::Grade, false, {3, 4}, false, false, false, "aaaa"},
        {"grade, two open, yes", 2, Event::Grade, true, {3, 4}, false, true, false, "aaaag"},
        {"grade, all answered", 4, Event::Grade, false, {}, false, true, false, "aaaaaaaag"},
        {"leave, no", 1, Event::Leave, false, {}, true, false, false, "aa"},
        {"leave, yes", 1, Event::Leave, true, {}, true, false, true, "aax"},
        {"time up", 0, Event::TimeUp, false, {}, false, true, false, "g"},
        {"leave once graded", 0, Event::LeaveGraded, false, {}, false, true, true, "g"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = test::StartRun(test::MakeBank({.questions = 4, .check = CheckMode::Off}),
                                        test::StepThenIdentity(0.1f, 4));
        MainForm& form = *run->form;
        std::vector<int> askedOpen;
        bool askedStop = false;
        std::string heard;
        test::QuestionsOf questions;
        questions.onGrading = [&](const std::vector<int>& open) {
            askedOpen = open;
            return c.answer;
        };
        questions.onLeaving = [&] { return askedStop = true, c.answer; };
        test::ListenerOf listener;
        listener.onAnswered = [&](const Attempt&) { heard += 'a'; };
        listener.onGraded = [&](const Attempt& a) {
            heard += 'g';
            EXPECT_EQ(a.mode(), RunMode::Review) << "told once graded";
        };
        listener.onAbandoned = [&](const Attempt&) { heard += 'x'; };
        form.setQuestions(&questions);
        form.setListener(&listener);
        for (int p = 0; p < c.answered; ++p) {
            form.choose(0);
            form.forward();
        }
        if (c.event == Event::Grade) form.grade();
        if (c.event == Event::Leave) form.exit();
        if (c.event == Event::TimeUp || c.event == Event::LeaveGraded) form.timeUp();
        if (c.event == Event::LeaveGraded) form.exit();
        EXPECT_EQ(askedOpen, c.askedOpen);
        EXPECT_EQ(askedStop, c.askedStop);
        EXPECT_EQ(form.attempt().mode() == RunMode::Review, c.graded);
        EXPECT_EQ(form.closed(), c.closed);
        EXPECT_EQ(heard, c.heard);
    }
}

TEST(ExamRules, TheGradingQuestionCountsAndListsTheOpenPositions) {
    EXPECT_EQ(UnansweredQuestion({2, 5, 7}),
              QStringLiteral("Има 3 въпроса без отговор. Да се оцени ли тестът?\n\n"
                             "Без отговор: 2, 5, 7."));
    EXPECT_EQ(UnansweredQuestion({4}), QStringLiteral("Има 1 въпрос без отговор. Да се оцени ли "
                                                      "тестът?\n\nБез отговор: 4."));
}
