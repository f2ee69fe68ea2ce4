// Every key of the shipped test recomputed from the question's numbers, the
// same numbers its text and picture are made from: a wrong key, or numbers
// changed without the key, fails here.

#include "shipped/shipped_bank.h"
#include "shipped/shipped_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>

using namespace vorn;
namespace n = vorn::shipped;

namespace {

double Sin(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180);
}

double Cos(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180);
}

// The answers of this test are whole numbers; anything else is a fault in the
// numbers, reported as such rather than rounded away.
long long Whole(double value) {
    const double rounded = std::round(value);
    EXPECT_NEAR(value, rounded, 1e-9) << "the answer is not a whole number";
    return static_cast<long long>(rounded);
}

QString Centimetres(double value) {
    return QString::number(Whole(value)) + QStringLiteral(" см");
}

QString SquareCentimetres(double value) {
    return QString::number(Whole(value)) + QStringLiteral(" см²");
}

QString Angle(double value) {
    return QString::number(Whole(value)) + QStringLiteral("°");
}

// A ratio in lowest terms, two digits a side.
QString Ratio(int p, int q) {
    const int d = std::gcd(p, q);
    return QStringLiteral("%1:%2").arg(p / d, 2, 10, QChar(u'0')).arg(q / d, 2, 10, QChar(u'0'));
}

struct ExpectedAnswer {
    int question;
    std::function<QString()> answer;
};

const std::vector<ExpectedAnswer> kShippedAnswers{
    {1,
     [] {
         const double a = n::kQ01.angleSumAC / 2.0; // A and C are opposite, so equal
         return Angle(180 - a);
     }},
    {2,
     [] {
         const auto& g = n::kQ02;
         const double ad = g.dm; // the bisector cuts off an isosceles triangle AMD
         const double ab = g.dm + g.mc;
         return SquareCentimetres(ab * ad * Sin(g.angleA));
     }},
    {3,
     [] {
         const auto& g = n::kQ03;
         const double x = g.perimeter / 2.0 / (g.ratioAB + g.ratioBC);
         EXPECT_DOUBLE_EQ(2 * (g.ratioAB * x + g.ratioBC * x), g.perimeter);
         return Centimetres(g.ratioAB * x);
     }},
    {4,
     [] {
         const auto& g = n::kQ04;
         return Centimetres(g.ab + g.ac / 2.0 + g.bd / 2.0);
     }},
    {5,
     [] {
         // Both heights from the same area: DH = S / AB, BK = S / AD.
         const auto& g = n::kQ05;
         const double area = g.ab * g.ad * Sin(g.drawnAngleA);
         const double dh = area / g.ab, bk = area / g.ad;
         EXPECT_NEAR(dh / bk, double(g.ad) / g.ab, 1e-12);
         return Ratio(g.ad, g.ab);
     }},
    {6, [] { return Angle(180.0 / (1 + n::kQ06.times)); }},
    {7, [] { return Centimetres(n::kQ07.perimeter / 2.0 - n::kQ07.side); }},
    {8, [] { return SquareCentimetres(n::kQ08.ab * n::kQ08.dh); }},
    {9, [] { return Angle(180 - n::kQ09Q10.angleA); }},
    {10,
     [] {
         const auto& g = n::kQ09Q10;
         return SquareCentimetres(g.ab * g.ad * Sin(g.angleA));
     }},
    {11,
     [] {
         const auto& g = n::kQ11;
         return Centimetres(double(g.ab) * g.dh / g.ad);
     }},
    {12, [] { return Angle(90 - n::kQ12.angleA); }},
    {13,
     [] {
         const auto& g = n::kQ13;
         const double ab = g.bm; // the bisector cuts off an isosceles triangle ABM
         return Centimetres(2 * (ab + g.bm + g.mc));
     }},
    {14,
     [] {
         const auto& g = n::kQ14;
         const double a = 180 - g.angleABD - g.angleADB; // triangle ABD
         return Angle(180 - a);                          // ADC is A's neighbour
     }},
    {15,
     [] {
         const auto& g = n::kQ15;
         const double ab = g.ah / Cos(g.angleA);
         const double bh = ab * Sin(g.angleA);
         return SquareCentimetres((g.ah + g.hd) * bh);
     }},
    {16, [] { return Centimetres(double(n::kQ16.area) / n::kQ16.ab); }},
    {17, [] { return Angle(180 - n::kQ17.angleBAC - n::kQ17.angleCAD); }},
    {18,
     [] {
         const double d = 360 - n::kQ18Q19.angleSumABC;
         return Angle(180 - d);
     }},
    {19, [] { return Angle(360 - n::kQ18Q19.angleSumABC); }},
    {20,
     [] {
         const auto& g = n::kQ20;
         const double ad = g.ab / Cos(g.angleA); // right angle at B in ABD
         return Centimetres(2 * (g.ab + ad));
     }},
};

// The number at the start of an option, for options written differently
// ("04:06" against "02:03") that would still be right.
double Value(const QString& option) {
    const int colon = option.indexOf(u':');
    if (colon > 0) return option.left(colon).toDouble() / option.mid(colon + 1).toDouble();
    QString number;
    for (const QChar c : option) {
        if (!c.isDigit() && c != u',') break;
        number.append(c == u',' ? u'.' : c);
    }
    return number.toDouble();
}

} // namespace

TEST(ShippedAnswers, EveryKeyIsTheRecomputedAnswer) {
    const BankContent bank = ShippedBank();
    ASSERT_EQ(kShippedAnswers.size(), bank.questions.size());
    for (const ExpectedAnswer& expected : kShippedAnswers) {
        SCOPED_TRACE(testing::Message() << "question " << expected.question);
        const Question& question =
            bank.questions.at(static_cast<std::size_t>(expected.question - 1));
        EXPECT_EQ(question.key, expected.answer());
    }
}

TEST(ShippedAnswers, NoDistractorIsTheAnswerWrittenAnotherWay) {
    const BankContent bank = ShippedBank();
    for (const ExpectedAnswer& expected : kShippedAnswers) {
        const Question& question =
            bank.questions.at(static_cast<std::size_t>(expected.question - 1));
        const double answer = Value(expected.answer());
        for (const QString& option : question.options) {
            if (option == question.key) continue;
            EXPECT_GT(std::abs(Value(option) - answer), 1e-9)
                << "question " << expected.question << ": " << option.toStdString();
        }
    }
}
