// Grading: the score line, the truncated percentage, the "Тото" verdict, and
// the one-way switch to review mode.

#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;
using test::MakeBank;
using test::StartRun;

namespace {

// Answers every position of the run in order: right where the pattern says so.
void AnswerAll(VORN_Prazno& f, const std::function<bool(int position)>& right) {
    for (int p = 0; p < f.QuestionCount; ++p) {
        right(p) ? test::AnswerRight(f) : test::AnswerWrong(f);
        f.Command1_Click(0);
    }
}

std::unique_ptr<test::Run> StartGraded(int questions,
                                       const QString& check = QStringLiteral("Тото - 1"),
                                       const QString& nav = QStringLiteral("Дава обяснения - 1")) {
    const auto content =
        MakeBank({.questions = questions, .checkFlag = check, .navigationFlag = nav});
    const bool copy = check.endsWith(u'1');
    const int n = questions + (copy ? 1 : 0);
    // 0.4 draws a prime (11, or 2 when few remain) that divides none of 3, 20, 21.
    return StartRun(content, test::StepThenIdentity(n == 3 ? 0.0f : 0.4f, n));
}

} // namespace

TEST(Grading, PercentageDropsTheFraction) {
    const struct {
        int questions; // with the check question added
        int right;
        const char* caption;
    } cases[] = {
        {2, 2, "Резултат: 2/3 = 66%"},      {2, 1, "Резултат: 1/3 = 33%"},
        {20, 20, "Резултат: 20/21 = 95%"},  {20, 12, "Резултат: 12/21 = 57%"},
        {20, 21, "Резултат: 21/21 = 100%"}, {20, 0, "Резултат: 0/21 = 0%"},
    };
    for (const auto& c : cases) {
        const auto run = StartGraded(c.questions);
        AnswerAll(*run->form, [&](int p) { return p < c.right; });
        run->form->Command2_Click(0);
        EXPECT_EQ(run->form->Label1(1).Caption, QString::fromUtf8(c.caption));
    }
    const auto seven = StartGraded(20, kCheckOff);
    AnswerAll(*seven->form, [](int p) { return p < 7; });
    seven->form->Command2_Click(0);
    EXPECT_EQ(seven->form->Label1(1).Caption, QStringLiteral("Резултат: 7/20 = 35%"));
}

TEST(Grading, OnlyRightAnswersScoreAndUnansweredOnesMakeTheVerdictPartial) {
    const auto run = StartGraded(20);
    VORN_Prazno& f = *run->form;
    test::AnswerWrong(f);
    f.Command2_Click(0);
    EXPECT_EQ(f.Label1(1).Caption, QStringLiteral("Резултат: 0/21 = 0%"));
    EXPECT_EQ(f.Label1(3).Caption, QStringLiteral("Частично!"));
    EXPECT_TRUE(f.Label1(3).Visible);
}

TEST(Grading, VerdictComparesTheTwoAnswersToQuestion1) {
    // Step 11 over 21: question 0 is at position 20 (the last) and the check
    // question 20 at position 18.
    const auto same = StartGraded(20);
    AnswerAll(*same->form, [](int) { return true; });
    same->form->Command2_Click(0);
    EXPECT_EQ(same->form->Label1(3).Caption, QStringLiteral("Проверка - Да"));

    const auto differ = StartGraded(20);
    ASSERT_EQ(differ->form->List2(1).List(18), QStringLiteral("20"));
    AnswerAll(*differ->form, [](int p) { return p != 18; });
    differ->form->Command2_Click(0);
    EXPECT_EQ(differ->form->Label1(3).Caption, QStringLiteral("Вероятно!"));

    const auto partial = StartGraded(20); // both answers agree, one position stays open
    VORN_Prazno& f = *partial->form;
    for (int p = 0; p < f.QuestionCount; ++p, f.Command1_Click(0))
        if (p != 7) test::AnswerRight(f);
    EXPECT_EQ(f.List2(6).List(0), f.List2(6).List(1));
    f.Command2_Click(0);
    EXPECT_EQ(f.Label1(3).Caption, QStringLiteral("Частично!"));
}

TEST(Grading, VerdictLabelFollowsTheCheckDigitAndNavigationItsOwn) {
    const struct {
        const char* check;
        const char* nav;
        bool verdictShown;
        bool navigationShown;
    } cases[] = {
        {"Тото - 1", "Дава обяснения - 1", true, true},
        {"Тото - 0", "Дава обяснения - 0", false, false},
        {"Тото - 2", "Дава обяснения - 2", true, false},
        {"Тото - 9", "Дава обяснения - 11", true, true},
        {"Тото - x", "Дава обяснения - 10", false, false},
    };
    for (const auto& c : cases) {
        const auto run = StartGraded(20, QString::fromUtf8(c.check), QString::fromUtf8(c.nav));
        VORN_Prazno& f = *run->form;
        f.Command2_Click(0);
        EXPECT_EQ(f.Label1(3).Visible, c.verdictShown) << c.check;
        EXPECT_EQ(f.Label1(3).Caption, QStringLiteral("Частично!")) << "set even when hidden";
        EXPECT_EQ(f.Command2(1).Visible, c.navigationShown) << c.nav;
        EXPECT_EQ(f.Command2(2).Visible, c.navigationShown) << c.nav;
    }
}

TEST(Grading, SwitchesToReviewAtPositionZeroForGood) {
    const auto run = StartGraded(20);
    VORN_Prazno& f = *run->form;
    test::AnswerRight(f);
    for (int i = 0; i < 4; ++i)
        f.Command1_Click(0);
    f.Command2_Click(0);
    EXPECT_EQ(f.CurrentPos, 0);
    EXPECT_FALSE(f.Command2(0).Enabled);
    EXPECT_TRUE(f.Command2(0).Visible) << "greyed, still there";
    EXPECT_FALSE(f.Command1(0).Visible);
    EXPECT_FALSE(f.Command1(1).Visible);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_FALSE(f.Option1(i).Enabled) << i;
        EXPECT_TRUE(f.Option1(i).BackColor == RGB(192, 192, 255) ||
                    f.Option1(i).BackColor == RGB(0, 255, 0))
            << "light blue, or green on the right choice of position 0";
    }
    EXPECT_EQ(f.Option1(4).BackColor, RGB(192, 192, 255)) << "hidden buttons too";
    EXPECT_TRUE(f.Option1(test::KeySlot(f)).Value()) << "position 0 restored in review";
    EXPECT_EQ(f.Option1(test::KeySlot(f)).BackColor, RGB(0, 255, 0));
    EXPECT_TRUE(f.Text1(0).Text.startsWith(QStringLiteral("Обяснение на")));
    EXPECT_EQ(f.AnsweredCount, 1);
    EXPECT_EQ(f.Label1(1).Caption, QStringLiteral("Резултат: 1/21 = 4%"));
}
