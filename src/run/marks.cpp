#include "marks.h"

#include <QStringList>

namespace vorn {

namespace {

// A percentage with at most two decimals, as hundredths.
std::optional<int> PercentHundredths(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    const int hundredths = qRound(value * 100);
    if (!ok || hundredths < 0 || hundredths > 10000 || qAbs(value * 100 - hundredths) > 1e-6)
        return std::nullopt;
    return hundredths;
}

// Where the regulations' bands of the marks 3 to 6 start, in hundredths.
constexpr std::array<int, 4> kBandStarts{300, 350, 450, 550};

// The whole mark of a rounded mark in hundredths, by the regulations' bands.
int WholeOf(int hundredths) {
    int whole = 2;
    for (const int start : kBandStarts)
        whole += hundredths >= start ? 1 : 0;
    return whole;
}

} // namespace

std::optional<MarkScale> ParseMarkScale(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) return std::nullopt;
    std::array<int, 4> lowest{};
    for (std::size_t i = 0; i < lowest.size(); ++i) {
        const auto hundredths = PercentHundredths(parts[static_cast<qsizetype>(i)]);
        if (!hundredths || (i > 0 && *hundredths <= lowest[i - 1])) return std::nullopt;
        lowest[i] = *hundredths;
    }
    return MarkScale{lowest};
}

Mark MarkOf(int score, int total, const MarkScale& scale) {
    Mark mark;
    if (scale.lowest) {
        // score / total >= lowest / 10000, in whole numbers.
        for (const int lowest : *scale.lowest)
            mark.whole += 10000LL * score >= static_cast<long long>(lowest) * total ? 1 : 0;
        mark.hundredths = mark.whole * 100;
    } else {
        // 200 + 400 × score / total, half up: (800 score + total) / 2 total.
        mark.hundredths = 200 + static_cast<int>((800LL * score + total) / (2LL * total));
        mark.whole = WholeOf(mark.hundredths);
    }
    mark.word = MarkWord(mark.whole);
    return mark;
}

Mark MarkOfHundredths(int hundredths) {
    const int whole = WholeOf(hundredths);
    return {.hundredths = hundredths, .whole = whole, .word = MarkWord(whole)};
}

std::optional<Mark> AverageMark(long long hundredthsSum, int count) {
    if (count <= 0) return std::nullopt;
    // Half up, as a single mark is rounded: (2 sum + n) / 2n.
    return MarkOfHundredths(static_cast<int>((2 * hundredthsSum + count) / (2LL * count)));
}

std::array<double, 4> MarkBoundaries(const MarkScale& scale) {
    std::array<double, 4> boundaries{};
    for (std::size_t i = 0; i < boundaries.size(); ++i)
        // The default mark is 200 + 4 × percent, in hundredths.
        boundaries[i] = scale.lowest ? (*scale.lowest)[i] / 100.0 : (kBandStarts[i] - 200) / 4.0;
    return boundaries;
}

QString MarkText(const Mark& mark, QChar point) {
    return QStringLiteral("%1%2%3")
        .arg(mark.hundredths / 100)
        .arg(point)
        .arg(mark.hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString MarkWord(int whole) {
    switch (whole) {
    case 3:
        return QStringLiteral("Среден");
    case 4:
        return QStringLiteral("Добър");
    case 5:
        return QStringLiteral("Много добър");
    case 6:
        return QStringLiteral("Отличен");
    default:
        return QStringLiteral("Слаб");
    }
}

} // namespace vorn
