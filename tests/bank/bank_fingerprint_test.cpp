// The bank's fingerprint: the same test hashes the same however it was read,
// and any change to what an examinee sees changes it.

#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "shipped/shipped_bank.h"
#include "support/test_banks.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString ExampleSha256(const char* name) {
    return BankSha256(LoadBankFile(QStringLiteral(VORN_EXAMPLES_DIR "/") + name).content);
}

} // namespace

TEST(BankFingerprint, TheSameTestReadFromAnyFileHashesTheSame) {
    EXPECT_EQ(ExampleSha256("english-tenses.gift"), ExampleSha256("english-tenses.vorn.json"));
    EXPECT_EQ(ExampleSha256("parallelogram.vorn.json"), BankSha256(ShippedBank()))
        << "pictures from their own files, or compiled in";
    EXPECT_TRUE(QRegularExpression("^[0-9a-f]{64}$").match(BankSha256(ShippedBank())).hasMatch());
}

TEST(BankFingerprint, AnyChangeChangesIt) {
    const BankContent bank = test::MakeBank({.questions = 3});
    const std::function<void(BankContent&)> changes[] = {
        [](BankContent& b) { b.questions[1].key = "2-2"; },
        [](BankContent& b) { b.questions[2].options.swapItemsAt(0, 1); },
        [](BankContent& b) { b.questions[0].explanation.append("."); },
        [](BankContent& b) { b.settings[2] = test::kCheckOff; },
        [](BankContent& b) { b.questions[1].picture = MakePicture("picture 2."); },
        [](BankContent& b) { b.questions[1].picture = b.questions[0].picture; },
    };
    QStringList seen{BankSha256(bank)};
    for (const auto& change : changes) {
        BankContent changed = bank;
        change(changed);
        const QString sha256 = BankSha256(changed);
        EXPECT_FALSE(seen.contains(sha256)) << seen.size();
        seen.append(sha256);
    }
}
