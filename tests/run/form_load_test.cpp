// The start of a run: settings, the check question, the question order, the
// option orders, the reset answers and the bar layout.

#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;
using test::kCheckOff;
using test::MakeBank;
using test::StartRun;
using test::StepThenIdentity;

namespace {

QStringList Rows(int n, const QString& text) {
    QStringList rows;
    for (int i = 0; i < n; ++i)
        rows.append(text);
    return rows;
}

} // namespace

TEST(StartOfRun, OrderFor20QuestionsAndStep7) {
    // 0.3 draws t = 3, row 3 of the eight primes below 20: 7.
    const auto run = StartRun(MakeBank({.checkFlag = kCheckOff}), StepThenIdentity(0.3f, 20));
    EXPECT_EQ(run->form->OrderStep, 7);
    EXPECT_EQ(run->form->List2(1).items(),
              (QStringList{"7",  "14", "1",  "8",  "15", "2",  "9",  "16", "3",  "10",
                           "17", "4",  "11", "18", "5",  "12", "19", "6",  "13", "0"}));
}

TEST(StartOfRun, OrderFor21QuestionsAndStep2EndsWithQuestion0) {
    const auto run = StartRun(MakeBank(), StepThenIdentity(0.0f, 21));
    EXPECT_EQ(run->form->OrderStep, 2);
    QStringList expected;
    for (int q = 2; q <= 20; q += 2)
        expected.append(QString::number(q));
    for (int q = 1; q <= 19; q += 2)
        expected.append(QString::number(q));
    expected.append(QStringLiteral("0"));
    EXPECT_EQ(run->form->List2(1).items(), expected);
}

TEST(StartOfRun, OptionOrderIsDrawnInSinglePrecisionModuloKFactorial) {
    const float largestBelowOne = 0.99999994f;
    auto content = MakeBank({.questions = 4, .checkFlag = kCheckOff, .optionCounts = {4, 4, 3, 2}});
    // r * 1000 rounds to 1000: 1000 Mod 24 = 16 ("3412"), 1000 Mod 6 = 4 ("312"),
    // 1000 Mod 2 = 0; 0.0125 * 1000 = 12.5 goes to 12 ("3124").
    const auto run =
        StartRun(content, {0.5f, largestBelowOne, 0.0125f, largestBelowOne, largestBelowOne});
    EXPECT_EQ(run->form->List2(2).items(), (QStringList{"3412", "3124", "312", "12"}));
}

TEST(StartOfRun, OptionOrderTieAtHalfAThousandthGoesToEven) {
    // 0.9995f * 1000 is 999.5 in single precision (999.49997 in double) and
    // rounds to the even 1000: row 16.
    auto content = MakeBank({.questions = 3, .checkFlag = kCheckOff});
    const auto run = StartRun(content, {0.5f, 0.9995f, 0.0f, 0.0f});
    EXPECT_EQ(run->form->List2(2).List(0), QStringLiteral("3412"));
}

TEST(StartOfRun, CheckQuestionCopiesQuestion1WithItsExplanation) {
    const auto content = MakeBank();
    const auto run = StartRun(content, StepThenIdentity(0.0f, 21));
    const QuestionBank& bank = run->bank;
    EXPECT_EQ(run->form->QuestionCount, 21);
    EXPECT_EQ(bank.List1(0).ListCount(), 21);
    EXPECT_EQ(bank.List1(0).List(20), bank.List1(0).List(0));
    EXPECT_EQ(bank.List1(21).items(), bank.List1(1).items());
    EXPECT_EQ(bank.Picture1(21).Picture, bank.Picture1(1).Picture) << "shared, not copied";
    EXPECT_EQ(bank.Obqsnenie(21).items(), bank.Obqsnenie(1).items())
        << "review of the check question shows the explanation of question 1";
    ASSERT_TRUE(bank.Picture1(20).Picture);
    EXPECT_EQ(bank.Picture1(20).Picture->encoded, QByteArray("picture 20"));
    EXPECT_EQ(bank.List1(22).List(0), QStringLiteral("List1(22) - въпрос от теста"));
}

TEST(StartOfRun, FlagsReadOnlyTheLastCharacterAndOnlyOneSwitchesOn) {
    const struct {
        QString check;
        int questionCount;
    } cases[] = {
        {QStringLiteral("Проверка за Тото - 10"), 20},
        {QStringLiteral("Проверка за Тото - 2"), 20},
        {QStringLiteral("Проверка за Тото - x"), 20},
        {QStringLiteral(""), 20},
        {QStringLiteral("Тото 0001"), 21},
        {QStringLiteral("1"), 21},
    };
    for (const auto& c : cases) {
        const auto run = StartRun(MakeBank({.checkFlag = c.check}),
                                  StepThenIdentity(0.4f, c.questionCount)); // step 11
        EXPECT_EQ(run->form->QuestionCount, c.questionCount) << c.check.toStdString();
        if (c.questionCount == 20) {
            EXPECT_EQ(run->bank.List1(21).List(0), QStringLiteral("List1(21) - въпрос от теста"));
        }
    }
    const auto phrase =
        StartRun(MakeBank({.phraseFlag = QStringLiteral("фраза - 1")}), StepThenIdentity(0.0f, 21));
    EXPECT_TRUE(phrase->form->Text2(6).Visible);
    const auto noPhrase = StartRun(MakeBank({.phraseFlag = QStringLiteral("фраза - 11 0")}),
                                   StepThenIdentity(0.0f, 21));
    EXPECT_FALSE(noPhrase->form->Text2(6).Visible);
}

TEST(StartOfRun, WholeStateFor20QuestionsWithTheCheckOn) {
    // Step 0.15: t = 2, row 2 of eight = 5, which does not divide 21.
    std::vector<float> values{0.15f};
    for (int i = 0; i < 21; ++i)
        values.push_back(static_cast<float>(i) / 21.0f);
    const auto run = StartRun(MakeBank(), values);
    const VORN_Prazno& f = *run->form;

    EXPECT_EQ(run->random.remaining(), 0u) << "one draw for the step, one per question";
    EXPECT_EQ(f.QuestionCount, 21);
    EXPECT_EQ(f.OrderStep, 5);
    EXPECT_EQ(f.CurrentPos, 0);
    EXPECT_EQ(f.AnsweredCount, 0);
    EXPECT_EQ(f.Label1(0).Caption, QStringLiteral("ВОРН по Геометрия - успоредник"));
    EXPECT_EQ(f.Picture1.BackColor, RGB(255, 0, 0));
    EXPECT_FALSE(f.Text2(6).Visible);

    EXPECT_EQ(f.List2(0).items(), Rows(21, "-1"));
    EXPECT_EQ(f.List2(3).items(), Rows(21, "-1"));
    EXPECT_EQ(f.List2(1).List(0), QStringLiteral("5"));
    EXPECT_EQ(f.List2(1).List(20), QStringLiteral("0"));
    ASSERT_EQ(f.List2(2).ListCount(), 21);
    for (int q = 0; q < 21; ++q) {
        const long m = std::lrint(static_cast<float>(q) / 21.0f * 1000.0f) % 24;
        EXPECT_EQ(f.List2(2).List(q), run->bank.Poredica(4).List(static_cast<int>(m))) << q;
    }
    // Position 0 shows question 5, whose key "6-1" is option 1; the order of
    // question 5 puts option 1 in the slot the first display records.
    const QString order = f.List2(2).List(5);
    EXPECT_EQ(f.List2(4).List(0), QString::number(order.indexOf(u'1')));
    EXPECT_EQ(f.List2(4).items().mid(1), Rows(20, "-1"));
    EXPECT_EQ(f.List2(5).items(), (QStringList{"2", "3", "5", "7", "11", "13", "17", "19"}));
    EXPECT_EQ(f.List2(6).items(), (QStringList{"Pyrwi", "Posleden"}));

    // Both bars start at the left edge of Forward and end 50 twips before the
    // right edge of Back.
    EXPECT_EQ(f.Shape1(0).Left, 240.0f);
    EXPECT_EQ(f.Shape2(0).Left, 240.0f);
    EXPECT_EQ(f.Shape1(0).Width, 50.0f);
    EXPECT_EQ(f.Shape1(1).Left, 290.0f);
    EXPECT_EQ(f.Shape1(1).Left + f.Shape1(1).Width, 10525.0f);
    EXPECT_EQ(f.Label1(2).Caption, QStringLiteral("Въведени отговори: 0/21"));
    EXPECT_EQ(f.Text2(0).Text, QStringLiteral("Въпрос 6"));
}

TEST(StartOfRun, BarsAreLaidOutFromTheNavigationButtonsBeforeTheFirstDisplay) {
    // The layout step alone: move the buttons and check both pairs follow.
    QuestionBank bank;
    bank.Load(MakeBank({.questions = 3, .checkFlag = kCheckOff}));
    ScriptedRandom random{0.0f, 0.0f, 0.0f, 0.0f};
    VORN_Prazno form(bank, random);
    form.Command1(0).Left = 300;
    form.Command1(1).Left = 8000;
    form.Command1(1).Width = 1000;
    form.Form_Load();
    for (ControlArray<Shape>* bar : {&form.Shape1, &form.Shape2}) {
        EXPECT_EQ((*bar)(0).Left, 300.0f);
        EXPECT_EQ((*bar)(1).Left + (*bar)(1).Width, 8950.0f) << "R = 8000 + 1000 - 50";
    }
}

TEST(StartOfRun, AFixedSeedGivesTheSameDrawsAndAnotherSeedOthers) {
    const auto draws = [](std::uint32_t seed) {
        QuestionBank bank;
        bank.Load(MakeBank());
        ClockRandom random(seed);
        VORN_Prazno form(bank, random);
        form.Form_Load();
        EXPECT_EQ(random.seed(), seed);
        return form.List2(1).items() + form.List2(2).items();
    };
    EXPECT_EQ(draws(7), draws(7));
    EXPECT_NE(draws(7), draws(8));
}
