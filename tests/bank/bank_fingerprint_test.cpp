// The bank's fingerprint: the same test hashes the same however it was read,
// and any change to what an examinee sees changes it.

#include "bank/bank_file.h"
#include "bank/bank_fingerprint.h"
#include "bank/bank_json.h"
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

// The hashed text is the version-1 file with the settings in the shipped
// test's wording, whatever wording or digits the bank was read with: results
// already recorded keep their fingerprint. The expected values are sha256sum
// of that text, written out by hand (one question "Колко?", options "1" and
// "2", key "1", no explanation, empty author note; "Т" the title, no phrases,
// explanations on, navigation off), for the check digits 0, 1 and 2.
TEST(BankFingerprint, IsTheVersionOneTextInTheShippedWording) {
    const QByteArray question =
        R"("questions": [{"text": "Колко?", "options": ["1", "2"], "key": "1"}]})";
    const struct {
        QByteArray file;
        const char* sha256;
    } cases[] = {
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "reviewNavigation": false,)",
         "68940d1d237f7daf4be317fbd4adacf6f54f193170b6c2bcc3512d108073c42c"},
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "checkQuestion": true,
             "reviewNavigation": false,)",
         "05625a3a4401f8783a3f73f22c19cee9b2087840bbe05753163f9f5ad0aceb4b"},
        {R"({"format": "vorn-bank", "version": 2, "title": "Т", "checkVerdict": true,
             "reviewNavigation": false,)",
         "bc69479fb43e9e4de83bfd0bdb388ead3d70e133ca61d8b367ca457e0c651fda"},
        {R"({"format": "vorn-bank", "version": 1,
             "settings": ["x", "фраза 0", "Тото - 10", "Т", "описание 1", "обяснения 0"],)",
         "68940d1d237f7daf4be317fbd4adacf6f54f193170b6c2bcc3512d108073c42c"},
        {R"({"format": "vorn-bank", "version": 1,
             "settings": ["", "фраза 2", "Тото 0001", "Т", "описание 7", "обяснения 3"],)",
         "05625a3a4401f8783a3f73f22c19cee9b2087840bbe05753163f9f5ad0aceb4b"},
        {R"({"format": "vorn-bank", "version": 1,
             "settings": ["", "фраза x", "Тото - 9", "Т", "описание 1", ""],)",
         "bc69479fb43e9e4de83bfd0bdb388ead3d70e133ca61d8b367ca457e0c651fda"},
    };
    for (const auto& c : cases) {
        const LoadedBank bank = ReadBankJson(c.file + question, [](const QString&) {
            return PictureResult(QStringLiteral("no pictures"));
        });
        ASSERT_FALSE(bank.hasErrors()) << c.file.toStdString();
        EXPECT_EQ(BankSha256(bank.content), c.sha256) << c.file.toStdString();
    }
}

TEST(BankFingerprint, AnyChangeChangesIt) {
    const BankContent bank = test::MakeBank({.questions = 3});
    const std::function<void(BankContent&)> changes[] = {
        [](BankContent& b) { b.questions[1].key = "2-2"; },
        [](BankContent& b) { b.questions[2].options.swapItemsAt(0, 1); },
        [](BankContent& b) { b.questions[0].explanation.append("."); },
        [](BankContent& b) { b.settings.check = CheckMode::Off; },
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
