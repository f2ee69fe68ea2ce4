// The preview of a two-part phrase: the first blank filled with the chosen
// option, counted in characters, and no text lost after the blank.

#include "support/form_probe.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct Preview {
    QuestionBank bank;
    ScriptedRandom random;
    VORN_Prazno form{bank, random};

    explicit Preview(const QString& phraseFlag = QStringLiteral("ЧЕО - фраза от 2 части - 1")) {
        bank.Load(test::MakeBank({.questions = 3, .phraseFlag = phraseFlag}));
    }
    QString of(const QString& question, const QString& option) {
        form.Text2(0).Text = question;
        form.Text2(3).Text = option;
        form.LastChoice = 2;
        form.Text2(6).Text = QStringLiteral("unchanged");
        FormProbe::ShowFilledPhrase(form);
        return form.Text2(6).Text;
    }
};

} // namespace

TEST(FilledPhrase, BlankBetweenWordsTakesTheOptionWithTwoBlanksBefore) {
    Preview p;
    EXPECT_EQ(p.of("I ___ happy.", "am"), QStringLiteral("I  am happy."));
    EXPECT_EQ(p.of("I _ happy.", "am"), QStringLiteral("I  am happy.")) << "any run length";
    EXPECT_EQ(p.of("Аз ___ щастлив.", "съм"), QStringLiteral("Аз  съм щастлив."))
        << "Cyrillic is cut by characters";
}

TEST(FilledPhrase, BlankAtTheStartOrTheEnd) {
    Preview p;
    EXPECT_EQ(p.of("_ is a noun.", "Cat"), QStringLiteral(" Cat is a noun."));
    EXPECT_EQ(p.of("The answer is ___", "42"), QStringLiteral("The answer is  42 "));
}

TEST(FilledPhrase, CharacterRightAfterTheBlankIsKeptUnlessItIsABlank) {
    Preview p;
    EXPECT_EQ(p.of("It is ___.", "small"), QStringLiteral("It is  small ."));
    EXPECT_EQ(p.of("a ___b", "x"), QStringLiteral("a  x b"));
    EXPECT_EQ(p.of("Той е ___!", "тук"), QStringLiteral("Той е  тук !"));
}

TEST(FilledPhrase, OnlyTheFirstBlankIsFilled) {
    Preview p;
    EXPECT_EQ(p.of("_ and _", "this"), QStringLiteral(" this and _"));
    EXPECT_EQ(p.of("a __ b ___ c", "x"), QStringLiteral("a  x b ___ c"));
}

TEST(FilledPhrase, TextWithoutBlankReadsAsIfTheBlankStoodAtTheEnd) {
    Preview p;
    EXPECT_EQ(p.of("Без празно място", "да"), QStringLiteral("Без празно място да "));
    EXPECT_EQ(p.of("", "да"), QStringLiteral(" да "));
}

TEST(FilledPhrase, EmptyOptionLeavesTwoBlanksSideBySide) {
    Preview p;
    EXPECT_EQ(p.of("I ___ happy.", ""), QStringLiteral("I   happy."));
}

TEST(FilledPhrase, SwitchOffChangesNothing) {
    for (const char* flag : {"ЧЕО - фраза от 2 части - 0", "фраза - 10", "фраза - 2", ""}) {
        Preview p{QString::fromUtf8(flag)};
        EXPECT_EQ(p.of("I ___ happy.", "am"), QStringLiteral("unchanged")) << flag;
    }
}
