// TeX formulas of school mathematics as plain text. The faults caught: a
// formula shown raw ("\(\sqrt{49}\)"); a fraction of sums written without
// brackets, which changes its value (a+1/b-1); a power of several
// characters that runs into what follows; a command outside the subset
// dropped or half-read, which changes the formula instead of keeping it; a
// hostile formula that costs the stack or time with the square of its size.

#include "bank/bank_fingerprint.h"
#include "bank/bank_json.h"
#include "bank/tex_text.h"
#include "support/qt_printers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vorn;

TEST(TexText, TheSchoolSubsetBecomesUnicodeText) {
    const std::pair<QString, QString> cases[] = {
        {R"(\(\sqrt{49}\))", "√49"},
        {R"(\(\sqrt{a+b}\))", "√(a+b)"},
        {R"(\(\sqrt[3]{8}\))", "∛8"},
        {R"(\(a^3 \cdot a^4\))", "a³ · a⁴"},
        {R"($$6^2+8^2$$)", "6²+8²"},
        {R"(\(x^{n + 1}\))", "xⁿ⁺¹"},
        {R"(\(x^{k+1}\))", "x^(k+1)"},
        {R"(\(x^23\))", "x²3"},
        {R"(\(H_2O, a_{1}, v_{avg}\))", "H₂O, a₁, v_(avg)"},
        {R"(\(\frac{1}{2}\))", "1/2"},
        {R"(\[\dfrac{a+1}{b-1}\])", "(a+1)/(b-1)"},
        {R"(\(\frac{x^2}{4}\))", "x²/4"},
        {R"(\(\frac12\))", "1/2"},
        {R"(\[\angle ABC = 60^\circ\])", "∠ABC = 60°"},
        {R"(\(\alpha + \beta = 90^{\circ}\))", "α + β = 90°"},
        {R"(\(45\degree\))", "45°"},
        {R"(\(AB \parallel CD, AB \perp BC, \triangle ABC\))", "AB ∥ CD, AB ⊥ BC, △ABC"},
        {R"(\(2 \times 3 \div 6 \pm 1\))", "2 × 3 ÷ 6 ± 1"},
        {R"(\(x \le 3, y \ge 2, z \ne 0, \pi \approx 3{,}14\))", "x ≤ 3, y ≥ 2, z ≠ 0, π ≈ 3,14"},
        {R"(\(x < \infty\))", "x < ∞"},
        {R"(\(\omega, \lambda, \Delta\))", "ω, λ, Δ"},
        {R"(\(\left(a+b\right)^2\))", "(a+b)²"},
        {R"(\(S = 5\,\text{cm}^2\))", "S = 5 cm²"},
        {R"(\(\text{ако } x = 1\))", "ако x = 1"},
        {R"(Колко е \(\sqrt{16}\) + \(\sqrt{9}\)?)", "Колко е √16 + √9?"},
        {R"(Цена: $5 и $$3)", "Цена: $5 и $$3"},
        {R"(\(a)", R"(\(a)"},
    };
    for (const auto& [text, expected] : cases) {
        const FormulaText read = ReplaceFormulas(text);
        EXPECT_EQ(read.text, expected) << text.toStdString();
        EXPECT_TRUE(read.keptAsWritten.isEmpty()) << text.toStdString();
    }
}

TEST(TexText, AFormulaOutsideTheSubsetStaysAsWrittenAndIsNamed) {
    const QString deep = "\\(" + QString(40, u'{') + "x" + QString(40, u'}') + "\\)";
    const QString cases[] = {
        R"(\(\sum_{i=1}^n i\))",
        R"(\(\begin{matrix}a & b\end{matrix}\))",
        R"(\(\overline{AB}\))",
        R"(\(\frac{1}{\))",
        R"(\(a}\))",
        R"(\(\sqrt[5]{x}\))",
        deep,
    };
    for (const QString& formula : cases) {
        const FormulaText read = ReplaceFormulas("Сметнете " + formula + " сега.");
        EXPECT_EQ(read.text, "Сметнете " + formula + " сега.") << formula.toStdString();
        EXPECT_EQ(read.keptAsWritten, QStringList{formula}) << formula.toStdString();
    }
    QStringList warnings;
    EXPECT_EQ(WithFormulasAsText(R"(\(\sqrt{4}\) и \(\int x\))", warnings), R"(√4 и \(\int x\))");
    EXPECT_EQ(warnings, QStringList{R"(формулата не може да се покаже като текст: \(\int x\))"});
}

TEST(TexText, ManyOpeningsWithoutAnEndAreReadInOnePass) {
    // 200,000 openings, each searched to the end of the text, would take
    // minutes; one search per kind of delimiter takes milliseconds.
    const QString text = QString("\\(").repeated(200000) + "$$";
    EXPECT_EQ(ReplaceFormulas(text).text, text);
}

// The faults caught: a bank of our own format changing its texts without
// being asked (its key then no longer the text its results hold); with the
// setting on, the key read otherwise than its option, so that no answer is
// right; the fingerprint not telling the two readings apart.
TEST(TexText, OurOwnFormatReadsFormulasOnlyWhenTheBankSaysSo) {
    const auto read = [](const QJsonValue& setting) {
        QJsonObject bank{{"format", "vorn-bank"}, {"version", 2}, {"title", "T"}};
        if (!setting.isUndefined()) bank.insert("formulasAsText", setting);
        const QJsonObject question{{"text", R"(\(\sqrt{49}\) = ?)"},
                                   {"options", QJsonArray{"7", R"(\(\sqrt{7}\))", R"(\(\int x\))"}},
                                   {"key", R"(\(\sqrt{7}\))"}};
        bank.insert("questions", QJsonArray{question, question, question});
        return ReadBankJson(QJsonDocument(bank).toJson(),
                            [](const QString&) { return PictureResult(QString("-")); });
    };
    const LoadedBank asWritten = read(QJsonValue::Undefined);
    ASSERT_TRUE(asWritten.issues.empty());
    EXPECT_EQ(asWritten.content.questions[0].text, R"(\(\sqrt{49}\) = ?)");
    EXPECT_TRUE(read(false).content.questions == asWritten.content.questions);

    const LoadedBank shown = read(true);
    ASSERT_EQ(shown.content.questions.size(), 3u);
    const Question& q = shown.content.questions[0];
    EXPECT_EQ(q.text, "√49 = ?");
    EXPECT_EQ(q.options, QStringList({"7", "√7", R"(\(\int x\))"}));
    EXPECT_EQ(q.key, "√7");
    ASSERT_EQ(shown.issues.size(), 3u); // one per question, not one per text
    EXPECT_TRUE(shown.issues[0].isWarning());
    EXPECT_EQ(shown.issues[0].question, 1);
    EXPECT_EQ(shown.issues[0].message, R"(формулата не може да се покаже като текст: \(\int x\))");
    EXPECT_NE(BankSha256(shown.content), BankSha256(asWritten.content));
}
