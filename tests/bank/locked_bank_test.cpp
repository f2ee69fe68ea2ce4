// A bank locked with a password: it opens as the same bank with the right
// password only, its texts and pictures nowhere in clear, three tries told
// one by one, and a damaged file refused with its reason before any password.

#include "bank/bank_bundle.h"
#include "bank/bank_export.h"
#include "bank/bank_file.h"
#include "bank/locked_bank.h"
#include "support/pictures.h"
#include "support/test_banks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const KeyDerivation kQuick{1, 1024}; // the smallest the reader takes: tests stay fast

SecretBytes Password(const char* text) {
    return SecretBytes::FromPassword(QString::fromUtf8(text));
}

// Four questions, one picture shown twice and one of another format.
BankContent PicturedBank() {
    BankContent bank = test::MakeBank({.questions = 4});
    const Picture jpeg = MakePicture(test::EncodedImage(12, 8, "JPG", Qt::red));
    bank.questions[0].picture = nullptr;
    bank.questions[1].picture = jpeg;
    bank.questions[2].picture = jpeg;
    bank.questions[3].picture = MakePicture(test::EncodedImage(9, 9, "PNG", Qt::blue));
    bank.questions[3].text = QStringLiteral("Колко е x, ако 3x = 36?");
    bank.questions[3].key = QStringLiteral("x = 12");
    return bank;
}

// Answers the asker's questions from the list; records the problems it was shown.
struct Typist {
    std::vector<const char*> typed; // nullptr: the person gives up
    std::vector<QString> problems;
    PasswordAsker asker() {
        return [this](const QString& problem) -> PasswordAnswer {
            problems.push_back(problem);
            const std::size_t i = problems.size() - 1;
            if (i >= typed.size() || !typed[i]) return QStringLiteral("отказ");
            return Password(typed[i]);
        };
    }
};

} // namespace

// The faults: a picture left out of the lock (or in clear beside it), a text
// changed on the way, a password with blanks around it or typed decomposed
// taken as another.
TEST(LockedBank, OpensAsTheSameBankWithItsPicturesAndNothingInClear) {
    const BankContent bank = PicturedBank();
    QTemporaryDir dir;
    const QString path = dir.filePath("8а.vorn");
    ASSERT_EQ(ExportLockedBank(bank, path, Password("ябълка и круша")), std::nullopt);
    EXPECT_FALSE(QFile::exists(dir.filePath("8а-pictures"))) << "the pictures belong inside";

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (const Question& question : bank.questions) {
        for (const QString& text :
             QStringList{question.text, question.key} + question.options + question.explanation)
            // Quoted as the bank's JSON holds it: a text of three bytes alone
            // could stand in the noise by chance.
            EXPECT_FALSE(bytes.contains('"' + text.toUtf8() + '"')) << text.toStdString();
        if (question.picture) {
            EXPECT_FALSE(bytes.contains(question.picture->encoded.left(48)));
        }
    }
    EXPECT_FALSE(bytes.contains("ябълка"));

    // Blanks around it: the same password.
    const LoadedBank read = LoadBankFile(
        path, [](const QString&) -> PasswordAnswer { return Password(" ябълка и круша "); });
    ASSERT_FALSE(read.hasErrors()) << read.issues.front().message.toStdString();
    EXPECT_TRUE(read.locked) << "an exam set out as locked would refuse it";
    EXPECT_EQ(read.content.settings, bank.settings);
    const auto texts = [](const Question& q) {
        return std::tuple(q.text, q.options, q.key, q.explanation,
                          q.picture ? q.picture->encoded : QByteArray());
    };
    ASSERT_EQ(read.content.questions.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(texts(read.content.questions[i]), texts(bank.questions[i])) << i;
    EXPECT_EQ(read.content.questions[1].picture, read.content.questions[2].picture);
    EXPECT_EQ(SecretBytes::FromPassword(QStringLiteral("чай")).view(),
              SecretBytes::FromPassword(QStringLiteral("чаи\u0306")).view());
}

// The faults: a wrong password taken, a fourth try, the count of tries left
// told wrong, a damaged file sent to the password dialog, a person who gives
// up left waiting.
TEST(LockedBank, ThreeTriesEachWrongOneToldThenRefused) {
    const QByteArray locked = LockBank(BundleBank(PicturedBank()), Password("парола-8а"), kQuick);
    const QString wrong2 = QStringLiteral("Паролата не е вярна. Остават още 2 опита.");
    const QString wrong1 = QStringLiteral("Паролата не е вярна. Остава още един опит.");
    const struct {
        std::vector<const char*> typed;
        QByteArray file;
        std::vector<QString> problems; // what each ask was shown
        QString refusal;               // empty: opened
    } cases[] = {
        {{"парола-8а"}, locked, {""}, ""},
        {{"x", "y", "парола-8а"}, locked, {"", wrong2, wrong1}, ""},
        {{"x", "y", "z", "парола-8а"}, locked, {"", wrong2, wrong1}, "паролата не е вярна 3 пъти."},
        {{"x", nullptr}, locked, {"", wrong2}, "паролата не е вярна."},
        {{nullptr}, locked, {""}, "отказ"}, // the asker's own reason
        {{"парола-8а"},
         locked.left(locked.size() - 1),
         {},
         "заключената банка не може да се отвори: файлът е отрязан."},
    };
    for (const auto& c : cases) {
        Typist typist{c.typed};
        const LoadedBank read = OpenLockedBank(c.file, typist.asker());
        EXPECT_EQ(typist.problems, c.problems) << c.typed.size();
        EXPECT_EQ(read.hasErrors() ? read.issues.front().message : QString(), c.refusal);
        EXPECT_EQ(read.content.questions.size(), c.refusal.isEmpty() ? 4u : 0u);
    }
}

// The faults: a damaged file crashing the reader, read past its end, taken as
// a wrong password (the teacher then mistrusts the right one), or a planted
// file making a lab PC derive a key with gigabytes or for minutes.
TEST(LockedBank, ADamagedFileIsRefusedWithItsReason) {
    const QByteArray locked = LockBank(BundleBank(PicturedBank()), Password("парола-8а"), kQuick);
    const auto with32 = [&locked](int at, quint32 value) {
        QByteArray bytes = locked;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    const auto flipped = [&locked](qsizetype at) {
        QByteArray bytes = locked;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
        return bytes;
    };
    const struct {
        QByteArray file;
        QString reason;
    } cases[] = {
        {locked.left(40), "файлът е отрязан (няма цяло начало)."},
        {locked.left(locked.size() / 2), "файлът е отрязан."},
        {locked + "x", "след края на банката има излишни байтове."},
        {flipped(locked.size() / 2), "файлът е повреден: байт в него е променен."},
        {flipped(33), "файлът е повреден: байт в него е променен."}, // the salt
        {flipped(locked.size() - 1), "файлът е повреден: байт в него е променен."},
        {with32(16, 2), "заключена банка от версия 2, а тази програма чете версия 1."},
        {with32(20, 1), "непознат начин за извеждане на ключа от паролата."},
        {with32(28, 4 * 1024 * 1024), "параметрите на ключа (1 минавания, 4194304 KiB)"},
        {with32(24, 1000), "параметрите на ключа (1000 минавания, 1024 KiB)"},
        {with32(72, 0xFFFFFFFFu), "дължината на шифрираната банка в началото е повредена."},
        {"xorn" + locked.mid(4), "не е заключена банка."},
    };
    for (const auto& c : cases) {
        const auto opened = UnlockBank(c.file, Password("парола-8а"));
        const auto* failure = std::get_if<UnlockFailure>(&opened);
        ASSERT_NE(failure, nullptr) << c.reason.toStdString();
        EXPECT_EQ(failure->kind, UnlockFailure::Kind::Damaged) << c.reason.toStdString();
        EXPECT_TRUE(failure->reason.startsWith(c.reason)) << failure->reason.toStdString();
    }
    const auto wrong = UnlockBank(locked, Password("парола-8б"));
    ASSERT_TRUE(std::holds_alternative<UnlockFailure>(wrong));
    EXPECT_EQ(std::get<UnlockFailure>(wrong).kind, UnlockFailure::Kind::WrongPassword);
    // Inside the lock, a bundle cut short or with a name twice is refused, not read in part.
    const QByteArray bundle = BundleBank(PicturedBank());
    for (const QByteArray& damaged : {bundle.left(bundle.size() - 3), bundle + bundle.mid(19)})
        EXPECT_EQ(ReadBundledBank(damaged).issues.front().message,
                  "съдържанието на заключената банка е повредено.");
}
