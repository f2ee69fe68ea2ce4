// What review shows in each of its three kinds, after one right answer, one
// wrong and one left open, looking at the wrong one. The faults caught: an
// exam's review that gives away the right option (by colour or mark) or an
// explanation, a summary that counts positions wrongly, a mark off the 2-6
// rule, and a handed-in screen that still shows the question.

#include "present/present.h"
#include "support/shown_view.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Three questions, no check question; identity option orders put every key
// in slot 0. Position 1 right, 2 wrong (slot 1), 3 open; graded (review
// opens at position 1), then forward to 2.
Attempt GradedAtTheWrongAnswer() {
    Attempt run = test::StartAttempt(test::MakeBank({.questions = 3, .check = CheckMode::Off}),
                                     test::StepThenIdentity(0.0f, 3));
    run.choose(0);
    run.moveForward();
    run.choose(1);
    run.moveForward();
    run.gradeNow();
    run.moveForward();
    return run;
}

} // namespace

TEST(ReviewShows, EachKindShowsWhatTheTeacherChose) {
    const Attempt run = GradedAtTheWrongAnswer();
    const QString explanation = run.question(run.currentQuestion()).explanation.join(u'|');
    const struct {
        const char* what;
        ReviewShows shows;
        OptionMark key, chosen;
        bool questionShown, resultShown;
        QString info; // the information box; the explanation where it is shown
    } cases[] = {
        {"everything", ReviewShows::Everything, OptionMark::RightNotChosen, OptionMark::Wrong, true,
         true, QStringLiteral("EXPLANATION")},
        // 1 of 3: 2 + 4/3 = 3.33, in the band from 3.00 below 3.50.
        {"score", ReviewShows::Score, OptionMark::None, OptionMark::None, true, true,
         QStringLiteral("Оценка: Среден 3,33\r\nВерни: 1\r\nГрешни: 2\r\nБез отговор: 3\r\n")},
        {"nothing", ReviewShows::Nothing, OptionMark::None, OptionMark::None, false, false,
         QStringLiteral("Тестът е предаден. Резултата ще научите от учителя.\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FormControls form;
        Present(run, form, c.shows);
        const OptionButton& key = form.options.buttons(0);
        const OptionButton& chosen = form.options.buttons(1);
        EXPECT_EQ(key.mark, c.key);
        EXPECT_EQ(chosen.mark, c.chosen);
        if (c.key == OptionMark::None) {
            for (int slot = 0; slot < 5; ++slot)
                EXPECT_EQ(form.options.buttons(slot).BackColor, kNeutral) << "no colour, " << slot;
        }
        EXPECT_EQ(form.questionText.Visible, c.questionShown);
        EXPECT_EQ(form.options.texts(0).Visible, c.questionShown);
        EXPECT_EQ(form.resultLabel.Visible, c.resultShown);
        EXPECT_EQ(form.resultLabel.Caption, QStringLiteral("Резултат: 1/3 = 33%"));
        if (c.info == QLatin1String("EXPLANATION"))
            EXPECT_EQ(form.infoBox.Text.trimmed().split(QStringLiteral("\r\n")).join(u'|'),
                      explanation);
        else
            EXPECT_EQ(form.infoBox.Text, c.info);
    }
}

// On screen: the option area of a review that shows the score holds no green
// and no red pixel, where the full review does.
TEST(ReviewShows, TheScoreAloneLeavesTheOptionAreaWithoutGreenOrRed) {
    const auto countColoured = [](ReviewShows shows) {
        test::ShownView shown;
        shown.form.setReviewShows(shows);
        test::AnswerWrong(shown.form);
        shown.form.grade();
        shown.view.refresh();
        const QImage frame = shown.view.widgetFor("Frame1")->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                const QColor c = frame.pixelColor(x, y);
                const bool green = c.green() > 200 && c.red() < 80 && c.blue() < 80;
                const bool red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
                coloured += green || red;
            }
        return coloured;
    };
    EXPECT_GT(countColoured(ReviewShows::Everything), 100) << "the check sees colours";
    EXPECT_EQ(countColoured(ReviewShows::Score), 0);
}
