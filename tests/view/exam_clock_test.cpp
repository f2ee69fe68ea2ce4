// A time limit in the real window: the time left stands in the caption and,
// when it runs out, the test is graded as "Оценяване" grades it; a test graded
// before that stops the clock, told so through the form's listener.

#include "app/attempt_followers.h"
#include "support/test_banks.h"
#include "view/exam_clock.h"
#include "view/form_view.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

TEST(ExamClock, AtZeroTheTestIsGradedAndUntilThenTheCaptionCountsDown) {
    const auto run =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    MainForm& f = *run->form;
    FormView view(f);
    view.show();
    test::AnswerRight(f);
    ExamClock clock(f, view, 2);
    clock.start();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("ВОРН - Сорвелин    0:02"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.attempt().mode() == RunMode::Review; }, 5000));
    EXPECT_TRUE(clock.ranOut());
    EXPECT_EQ(clock.usedSeconds(), 2);
    EXPECT_EQ(f.controls().resultLabel.Caption, QStringLiteral("Резултат: 1/4 = 25%"))
        << "graded as the button grades";
    EXPECT_EQ(view.windowTitle(), QStringLiteral("ВОРН - Сорвелин    0:00"));

    const auto early =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    FormView other(*early->form);
    ExamClock stopped(*early->form, other, 1);
    AttemptFollowers followers({.clock = &stopped});
    early->form->setListener(&followers);
    stopped.start();
    early->form->grade(); // graded before the second is over
    QTest::qWait(2200);
    EXPECT_FALSE(stopped.ranOut()) << "a clock that went on would have run out";
}
