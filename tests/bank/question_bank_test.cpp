// The layout of the data form: every container at its indices, with the
// placeholders of the unused slots.

#include "bank/question_bank.h"
#include "shipped/shipped_bank.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(QuestionBankLayout, UnusedSlotsHoldTheirPlaceholders) {
    QuestionBank bank;
    bank.Load(test::MakeBank({.questions = 20}));
    EXPECT_EQ(bank.List1(0).ListCount(), 20);
    EXPECT_EQ(bank.List1(21).ListCount(), 1);
    EXPECT_EQ(bank.List1(21).List(0), QStringLiteral("List1(21) - въпрос от теста"));
    EXPECT_EQ(bank.List1(39).List(0), QStringLiteral("List1(39) - въпрос от теста"));
    EXPECT_FALSE(bank.List1.contains(40));
    EXPECT_EQ(bank.Obqsnenie(0).ListCount(), 1);
    EXPECT_EQ(bank.Obqsnenie(0).List(0), QStringLiteral("Остави ме на мира Обяснение - няма"));
    EXPECT_EQ(bank.Obqsnenie(21).List(0), QStringLiteral("Обяснение 21"));
    EXPECT_EQ(bank.Obqsnenie(29).List(0), QStringLiteral("Обяснение 29"));
    EXPECT_FALSE(bank.Obqsnenie.contains(30));
    EXPECT_FALSE(bank.Picture1(0).Picture);
    EXPECT_FALSE(bank.Picture1(21).Picture);
    EXPECT_FALSE(bank.Picture1.contains(30));
}

TEST(QuestionBankLayout, QuestionsAreLaidOutTextFirstThenOptionsInStoredOrder) {
    QuestionBank bank;
    bank.Load(test::MakeBank({.questions = 3, .optionCounts = {2, 5, 3}}));
    EXPECT_EQ(bank.List1(0).List(1), QStringLiteral("2-1"));
    EXPECT_EQ(bank.List1(2).ListCount(), 6);
    EXPECT_EQ(bank.List1(2).List(0), QStringLiteral("Въпрос 2"));
    EXPECT_EQ(bank.List1(2).List(5), QStringLiteral("2-5"));
    EXPECT_EQ(bank.Obqsnenie(3).ListCount(), 2);
    ASSERT_TRUE(bank.Picture1(1).Picture);
    EXPECT_EQ(bank.Picture1(1).Picture->encoded, QByteArray("picture 1"));
    EXPECT_EQ(bank.List1(4).List(0), QStringLiteral("List1(4) - въпрос от теста"));
}

TEST(QuestionBankLayout, OrderTablesHoldEveryOrderAscending) {
    QuestionBank bank;
    const int factorial[] = {0, 1, 2, 6, 24, 120};
    for (int k = 2; k <= 5; ++k) {
        const ListBox& orders = bank.Poredica(k);
        ASSERT_EQ(orders.ListCount(), factorial[k]) << "k = " << k;
        for (int i = 1; i < orders.ListCount(); ++i)
            EXPECT_LT(orders.List(i - 1), orders.List(i)) << "k = " << k << ", row " << i;
        for (int i = 0; i < orders.ListCount(); ++i) {
            QString sorted = orders.List(i);
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, orders.List(0)) << "a permutation of 1..k";
        }
    }
    EXPECT_EQ(bank.Poredica(2).items(), (QStringList{"12", "21"}));
    EXPECT_EQ(bank.Poredica(3).items(), (QStringList{"123", "132", "213", "231", "312", "321"}));
    EXPECT_EQ(bank.Poredica(4).List(23), QStringLiteral("4321"));
    EXPECT_EQ(bank.Poredica(5).List(119), QStringLiteral("54321"));
    EXPECT_FALSE(bank.Poredica.contains(1));
    EXPECT_FALSE(bank.Poredica.contains(6));
}

TEST(QuestionBankLayout, SettingsAndAuthorNoteAreTheShippedTexts) {
    QuestionBank bank;
    bank.Load(ShippedBank());
    EXPECT_EQ(bank.List2.items(),
              (QStringList{"Настройки - последната цифра", "ЧЕО - фраза от 2 части - 0",
                           "Проверка за Тото - 1", "ВОРН по Геометрия - успоредник",
                           "Дава описание - 1", "Дава обяснения - 0"}));
    const QString note = bank.Text1(0).Text;
    EXPECT_EQ(note.count(QStringLiteral("\r\n")), 4);
    EXPECT_TRUE(note.endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(note.contains(QStringLiteral("List1(0)")));
    EXPECT_TRUE(note.contains(QStringLiteral("Poredica")));
    EXPECT_EQ(bank.Caption, QStringLiteral("Сорвелин - Данни"));
}

TEST(QuestionBankLayout, LoadingAgainLeavesNothingOfTheEarlierBank) {
    QuestionBank bank;
    bank.Load(test::MakeBank({.questions = 10}));
    bank.Load(test::MakeBank({.questions = 3}));
    EXPECT_EQ(bank.List1(0).ListCount(), 3);
    EXPECT_EQ(bank.List1(5).List(0), QStringLiteral("List1(5) - въпрос от теста"));
    EXPECT_EQ(bank.Obqsnenie(5).List(0), QStringLiteral("Обяснение 5"));
    EXPECT_FALSE(bank.Picture1(5).Picture);
    EXPECT_EQ(bank.List2.ListCount(), 6);
}
