// The shipped test against the shape it must have: twenty questions of four
// distinct short options, the keyed option item, the explanation line counts,
// the text lengths and the compiled-in pictures.

#include "bank/bank_pictures.h"
#include "shipped/measure_text.h"
#include "shipped/shipped_bank.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>
#include <vector>

using namespace vorn;

namespace {

struct QuestionShape {
    int keyItem;  // the item of List1(q) that holds the right option, 1 = first option
    int lines;    // explanation lines
    QSize pixels; // empty: no picture
};

// Question 5: its key is written like its options ("02:03"), as item 2.
const std::array<QuestionShape, 20> kTable{{
    {3, 6, {200, 89}},  {1, 16, {183, 99}},  {3, 11, {183, 86}}, {3, 7, {120, 129}},
    {2, 5, {173, 109}}, {2, 7, {}},          {2, 5, {}},         {4, 4, {198, 90}},
    {3, 5, {215, 120}}, {3, 7, {215, 120}},  {3, 7, {220, 129}}, {2, 4, {190, 102}},
    {3, 12, {152, 91}}, {2, 10, {175, 105}}, {1, 12, {147, 99}}, {2, 4, {204, 122}},
    {4, 4, {220, 99}},  {4, 3, {201, 134}},  {3, 2, {201, 134}}, {1, 7, {189, 102}},
}};

const BankContent& Bank() {
    static const BankContent bank = ShippedBank();
    return bank;
}

const Question& At(int q) {
    return Bank().questions.at(static_cast<std::size_t>(q - 1));
}

bool IsCyrillic(QChar c) {
    return c.script() == QChar::Script_Cyrillic;
}

bool IsLatin(QChar c) {
    return c.script() == QChar::Script_Latin;
}

// Every text a question shows.
QStringList Texts(const Question& question) {
    return QStringList{question.text} + question.options + question.explanation;
}

} // namespace

TEST(ShippedBankShape, TwentyQuestionsOfFourDistinctShortOptions) {
    ASSERT_EQ(Bank().questions.size(), 20u);
    // A number with its unit, an angle, a ratio written "02:03", or two lengths.
    const QRegularExpression shortAnswer(
        QStringLiteral("^(\\d+(,\\d+)? (см|см²)|\\d+(,\\d+)?°|\\d\\d:\\d\\d|"
                       "\\d+(,\\d+)? см и \\d+(,\\d+)? см)$"));
    for (int q = 1; q <= 20; ++q) {
        const Question& question = At(q);
        ASSERT_EQ(question.options.size(), 4) << "question " << q;
        const std::set<QString> distinct(question.options.begin(), question.options.end());
        EXPECT_EQ(distinct.size(), 4u) << "question " << q;
        for (const QString& option : question.options)
            EXPECT_TRUE(shortAnswer.match(option).hasMatch())
                << "question " << q << ": " << option.toStdString();
    }
}

TEST(ShippedBankShape, KeyIsTheOptionItemOfTheTable) {
    for (int q = 1; q <= 20; ++q) {
        const Question& question = At(q);
        const int item = kTable[static_cast<std::size_t>(q - 1)].keyItem;
        ASSERT_EQ(question.options.size(), 4);
        // Compared as the program compares: the whole text, exactly.
        EXPECT_EQ(question.options.at(item - 1), question.key) << "question " << q;
        EXPECT_EQ(question.options.count(question.key), 1) << "question " << q;
    }
}

TEST(ShippedBankShape, ExplanationsHaveTheTableLineCountsAndEndWithTheAnswer) {
    for (int q = 1; q <= 20; ++q) {
        const Question& question = At(q);
        EXPECT_EQ(question.explanation.size(), kTable[static_cast<std::size_t>(q - 1)].lines)
            << "question " << q;
        for (const QString& line : question.explanation) {
            EXPECT_FALSE(line.trimmed().isEmpty()) << "question " << q;
            EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n')) << "question " << q;
        }
        ASSERT_FALSE(question.explanation.isEmpty());
        EXPECT_TRUE(question.explanation.last().contains(question.key))
            << "question " << q << ": the last line should state " << question.key.toStdString();
    }
}

TEST(ShippedBankShape, QuestionTextsAre52To199Characters) {
    for (int q = 1; q <= 20; ++q) {
        const qsizetype length = At(q).text.size(); // UTF-16 units, not bytes
        EXPECT_GE(length, 52) << "question " << q;
        EXPECT_LE(length, 199) << "question " << q;
    }
}

// Questions 18 and 19 differ in the angle asked and nothing else.
TEST(ShippedBankShape, Questions18And19DifferOnlyInTheAngleAsked) {
    const QString a = At(18).text, b = At(19).text;
    ASSERT_EQ(a.size(), b.size());
    int differences = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differences += a[i] != b[i];
    EXPECT_EQ(differences, 1);
    EXPECT_NE(At(18).key, At(19).key);
}

// Point names are Latin letters. A Cyrillic look-alike ("А", "В") shows the
// same on screen but is another letter, so only a test finds it.
TEST(ShippedBankShape, PointNamesAreLatinLetters) {
    const QRegularExpression word(QStringLiteral("\\w+"),
                                  QRegularExpression::UseUnicodePropertiesOption);
    for (int q = 1; q <= 20; ++q) {
        for (const QString& text : Texts(At(q))) {
            auto words = word.globalMatch(text);
            while (words.hasNext()) {
                const auto match = words.next();
                const QString w = match.captured();
                const bool latin = std::any_of(w.begin(), w.end(), IsLatin);
                const bool cyrillic = std::any_of(w.begin(), w.end(), IsCyrillic);
                EXPECT_FALSE(latin && cyrillic) << "question " << q << ": " << w.toStdString();
                // A lone Cyrillic capital is a word only when it opens a
                // sentence, like the preposition in "В успоредника".
                if (w.size() == 1 && cyrillic && w[0].isUpper()) {
                    const qsizetype at = match.capturedStart();
                    EXPECT_TRUE(at == 0 || text.mid(at - 2, 2) == QStringLiteral(". "))
                        << "question " << q << ": " << text.toStdString();
                }
                if (w.size() >= 2 && cyrillic) {
                    EXPECT_FALSE(
                        std::all_of(w.begin(), w.end(), [](QChar c) { return c.isUpper(); }))
                        << "question " << q << ": " << w.toStdString();
                }
            }
        }
    }
}

// Faults caught besides: a PNG the window draws that shows other pixels than
// its JPEG (a lossy or another decoding, or the file of another question), or
// none, so that the window loads the JPEG plugin after all.
TEST(ShippedBankShape, PicturesAreJfifJpegsOfTheTableSizesDrawnFromPngsOfTheirPixels) {
    for (int q = 1; q <= 20; ++q) {
        const Question& question = At(q);
        const QSize expected = kTable[static_cast<std::size_t>(q - 1)].pixels;
        if (expected.isEmpty()) {
            EXPECT_EQ(question.picture, nullptr) << "question " << q;
            continue;
        }
        ASSERT_NE(question.picture, nullptr) << "question " << q;
        const QByteArray& bytes = question.picture->encoded;
        ASSERT_GE(bytes.size(), 11) << "question " << q;
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF\xE0")) << "question " << q;
        EXPECT_EQ(bytes.mid(6, 5), QByteArray("JFIF", 5)) << "question " << q;
        const QImage image = QImage::fromData(bytes, "JPG");
        EXPECT_EQ(image.size(), expected) << "question " << q;
        const QByteArray& drawn = question.picture->drawn;
        EXPECT_TRUE(drawn.startsWith("\x89PNG\r\n\x1A\n")) << "question " << q;
        const auto decoded = DecodePicture(drawn);
        ASSERT_TRUE(std::holds_alternative<QImage>(decoded)) << "question " << q;
        EXPECT_EQ(std::get<QImage>(decoded), image) << "question " << q;
    }
}

TEST(ShippedBankShape, Questions9And10ShowOnePictureAndOthersTheirOwn) {
    ASSERT_NE(At(9).picture, nullptr);
    EXPECT_EQ(At(9).picture, At(10).picture);
    EXPECT_EQ(At(9).picture->encoded, At(10).picture->encoded);
    std::set<QByteArray> seen;
    for (int q = 1; q <= 20; ++q)
        if (q != 10 && At(q).picture) {
            EXPECT_TRUE(seen.insert(At(q).picture->encoded).second) << "question " << q;
        }
}

// Texts and labels print numbers as Bulgarian does: a decimal comma, no
// trailing zeros, whole numbers without decimals.
TEST(ShippedNumberText, WholeNumbersPlainOthersWithADecimalComma) {
    EXPECT_EQ(Number(12), QStringLiteral("12"));
    EXPECT_EQ(Number(7.5), QStringLiteral("7,5"));
    EXPECT_EQ(Number(2.25), QStringLiteral("2,25"));
    EXPECT_EQ(Number(36.0000000000001), QStringLiteral("36")) << "a sum of sines, whole";
    // Rounding to two decimals never leaves a bare comma or a minus zero.
    for (const auto& [value, text] : std::vector<std::pair<double, const char*>>{
             {2.999, "3"}, {9.996, "10"}, {0.004, "0"}, {-0.004, "0"}, {12.346, "12,35"}})
        EXPECT_EQ(Number(value), QString::fromUtf8(text)) << value;
    EXPECT_EQ(Cm(7.5), QStringLiteral("7,5 см"));
    EXPECT_EQ(SquareCm(72), QStringLiteral("72 см²"));
    EXPECT_EQ(Degrees(30), QStringLiteral("30°"));
}
