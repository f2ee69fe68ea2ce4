// What a print holds before anything is drawn: variants that come back with
// their seed, a key that names the right option where the variant shows it,
// and sheets that go to the right students.

#include "print/key_document.h"
#include "print/print_plan.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

// Per position: the question's text, its options as shown, and the key's
// letter; everything a printed variant and its key say.
QStringList Printed(const PaperVariant& variant) {
    QStringList lines;
    const Attempt& run = variant.run;
    for (int position = 0; position < run.questionCount(); ++position) {
        const int q = run.questionAt(position);
        QStringList options;
        for (int slot = 0; slot < run.optionCount(q); ++slot)
            options << run.optionText(q, slot);
        lines << QStringLiteral("%1: %2 [%3] %4")
                     .arg(position + 1)
                     .arg(run.question(q).text, options.join(u'|'), KeyLetter(run, position));
    }
    return lines;
}

QStringList Printed(const PrintPlan& plan) {
    QStringList lines;
    for (const PaperVariant& variant : plan.variants)
        lines << QString::number(variant.number) << Printed(variant);
    return lines;
}

PrintPlan Plan(const BankContent& bank, std::uint32_t seed, int variants = 4,
               const std::vector<Student>& students = {}) {
    return PlanPrint(bank, QStringLiteral("Т"), students, variants, seed, 0x00c0ffee);
}

// Catches: variants drawn from the clock instead of the print's seed (a
// lost key could not be printed again), all variants drawn alike, and a
// seed that changes nothing.
TEST(PrintPlan, TheSameSeedPrintsTheSameVariants) {
    const BankContent bank = test::MakeBank({.questions = 12});
    const QStringList first = Printed(Plan(bank, 1234));
    EXPECT_EQ(Printed(Plan(bank, 1234)), first);
    EXPECT_NE(Printed(Plan(bank, 98765)), first);
    // Variants of one print differ from each other (in their question
    // order, or at least in their option orders).
    const PrintPlan plan = Plan(bank, 1234);
    for (std::size_t a = 0; a < plan.variants.size(); ++a)
        for (std::size_t b = a + 1; b < plan.variants.size(); ++b)
            EXPECT_NE(Printed(plan.variants[a]), Printed(plan.variants[b])) << a << ' ' << b;
}

// Catches: a key letter taken from the bank's stored order rather than the
// order the variant prints (every student marked against a wrong key).
TEST(PrintPlan, KeyLetterNamesTheOptionThatIsTheKey) {
    test::BankOptions options{.questions = 9};
    options.optionCounts = {2, 3, 4, 5, 5, 4, 3, 2, 5};
    const BankContent bank = test::MakeBank(options);
    const PrintPlan plan = Plan(bank, 77, 6);
    int moved = 0;
    for (const PaperVariant& variant : plan.variants) {
        const Attempt& run = variant.run;
        for (int position = 0; position < run.questionCount(); ++position) {
            const int q = run.questionAt(position);
            const int slot = KeyLetter(run, position).at(0).unicode() - u'A';
            // MakeBank's key is the question's first stored option, "n-1".
            EXPECT_EQ(run.optionText(q, slot), run.question(q).options.at(0));
            EXPECT_EQ(run.optionText(q, slot), run.question(q).key);
            moved += slot != 0;
        }
    }
    EXPECT_GT(moved, 0); // the draws did move keys away from A
}

Student Pupil(int number) {
    return {QStringLiteral("Ученик %1").arg(number), QStringLiteral("7б"), QString::number(number)};
}

// Catches: neighbours on the list given the same variant, a student
// skipped or given another's sheet, sheet ids that repeat within a print.
TEST(PrintPlan, SheetsTakeTheVariantsInTurnDownTheList) {
    const BankContent bank = test::MakeBank({.questions = 5});
    std::vector<Student> students;
    for (int n = 1; n <= 5; ++n)
        students.push_back(Pupil(n));
    const PrintPlan plan = Plan(bank, 5, 3, students);
    ASSERT_EQ(plan.sheets.size(), 5u);
    const int variants[] = {1, 2, 3, 1, 2};
    const char* ids[] = {"00c0ffee-1", "00c0ffee-2", "00c0ffee-3", "00c0ffee-4", "00c0ffee-5"};
    for (std::size_t i = 0; i < 5; ++i) {
        const SheetContent sheet = SheetOf(plan, plan.sheets[i]);
        EXPECT_EQ(sheet.variant, variants[i]);
        EXPECT_EQ(sheet.code.variant, variants[i]);
        EXPECT_EQ(sheet.code.student, students[i]);
        EXPECT_EQ(sheet.code.sheetId, QString::fromLatin1(ids[i]));
        EXPECT_EQ(sheet.code.seed, plan.variants[static_cast<std::size_t>(variants[i] - 1)].seed);
        // MakeBank's five questions, and the check copy of the first.
        EXPECT_EQ(sheet.optionCounts, std::vector<int>(6, 4));
    }
    // Without a list: one blank sheet per variant, for copying.
    const PrintPlan blank = Plan(bank, 5, 3);
    ASSERT_EQ(blank.sheets.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(blank.sheets[static_cast<std::size_t>(i)].variant, i + 1);
        EXPECT_FALSE(blank.sheets[static_cast<std::size_t>(i)].student);
    }
}

} // namespace
} // namespace vorn
