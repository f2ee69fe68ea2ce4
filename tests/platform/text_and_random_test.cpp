// Text and number services, and the random source.

#include "platform/program_error.h"
#include "platform/random_source.h"
#include "platform/text.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vorn;

TEST(TextServices, ValReadsTheNumberAtTheStart) {
    EXPECT_EQ(Val(QStringLiteral(" 12ab")), 12);
    EXPECT_EQ(Val(QStringLiteral("-1")), -1);
    EXPECT_EQ(Val(QStringLiteral("17")), 17);
    EXPECT_EQ(Val(QStringLiteral("ab")), 0);
    EXPECT_EQ(Val(QString()), 0);
    EXPECT_EQ(Val(QStringLiteral("-")), 0);
    EXPECT_EQ(Val(QStringLiteral("а1")), 0) << "a Cyrillic letter is not a number";
    EXPECT_EQ(Val(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(Val(QStringLiteral("1 2")), 1);
}

TEST(TextServices, DecimalTextHasNoBlanksOrLeadingZeros) {
    EXPECT_EQ(CStr(-1), QStringLiteral("-1"));
    EXPECT_EQ(CStr(0), QStringLiteral("0"));
    EXPECT_EQ(CStr(17), QStringLiteral("17"));
}

TEST(TextServices, SubstringsCountCyrillicCharactersNotBytes) {
    const QString s = QStringLiteral("Аз съм");
    EXPECT_EQ(Len(s), 6);
    EXPECT_EQ(Left(s, 2), QStringLiteral("Аз"));
    EXPECT_EQ(Right(s, 3), QStringLiteral("съм"));
    EXPECT_EQ(Mid(s, 4, 1), QStringLiteral("с"));
    EXPECT_EQ(Mid(s, 7, 1), QString()) << "beyond the end is empty";
    EXPECT_EQ(Right(QStringLiteral("Тото - 1"), 1), QStringLiteral("1"));
    EXPECT_EQ(Right(QString(), 1), QString());
}

TEST(TextServices, RoundingTiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(999.5), 1000);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
}

TEST(RandomSource, ValuesStayStrictlyBelowOne) {
    EXPECT_EQ(UnitFloat(0), 0.0f);
    EXPECT_LT(UnitFloat(std::numeric_limits<std::uint32_t>::max()), 1.0f);
    EXPECT_EQ(UnitFloat(std::numeric_limits<std::uint32_t>::max()), 1.0f - 1.0f / 16777216.0f);
    ClockRandom random;
    random.Randomize();
    for (int i = 0; i < 10000; ++i) {
        const float r = random.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(RandomSource, ScriptedSequenceIsHandedOutInOrderAndRunningOutIsLoud) {
    ScriptedRandom random{0.25f, 0.5f};
    random.Randomize();
    EXPECT_EQ(random.Rnd(), 0.25f);
    EXPECT_EQ(random.Rnd(), 0.5f);
    EXPECT_THROW(random.Rnd(), ProgramError);
}

TEST(TextServices, PrintableTextHasNoControlLeft) {
    const struct {
        const char16_t* text;
        const char* printed;
    } cases[] = {
        {u"Успоредник 7б", "Успоредник 7б"},
        {u"ред\nОпити: 9999", "ред\\nОпити: 9999"},
        {u"\x1b[31mчервено\x1b[0m", "\\x1b[31mчервено\\x1b[0m"},
        {u"a\rb\tc\x7f\x9b", "a\\rb\\tc\\x7f\\x9b"},
        {u"x\u2028y\u202Ez", "x\\u2028y\\u202ez"},
        {u"C:\\d", "C:\\d"}, // a backslash stays as written
        {u"%4 %1", "%4 %1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Printable(QString::fromUtf16(c.text)), QString::fromUtf8(c.printed)) << c.printed;
}
