#pragma once
// Marks on the Bulgarian 2-6 scale. By default a mark is 2 + 4 × score /
// total, to two decimals, and its word follows the bands of the school
// regulations (Слаб 2 below 3.00, Среден 3 below 3.50, Добър 4 below 4.50,
// Много добър 5 below 5.50, Отличен 6). A teacher's own table instead names
// the lowest percentage for each of the marks 3 to 6, and the mark is whole.

#include <QString>
#include <array>
#include <optional>

namespace vorn {

struct MarkScale {
    // Hundredths of a percent from which the marks 3, 4, 5 and 6 start,
    // rising; none: the default 2 + 4 × score / total.
    std::optional<std::array<int, 4>> lowest;
};

struct Mark {
    int hundredths = 200; // 4.17 is 417
    int whole = 2;        // 2 to 6
    QString word;         // "Добър"
};

// "50,62.5,75,88": four rising percentages from 0 to 100; none otherwise.
std::optional<MarkScale> ParseMarkScale(const QString& text);

// The mark of `score` out of `total` (> 0).
Mark MarkOf(int score, int total, const MarkScale& scale);

// The mark's number with two decimals after `point`: "4,17".
QString MarkText(const Mark& mark, QChar point);

// A mark already in hundredths (an average of marks), its whole mark and
// word by the regulations' bands.
Mark MarkOfHundredths(int hundredths);

// The mean of marks in hundredths, half up to hundredths, as a mark: the
// class's average (среден успех). None for no marks.
std::optional<Mark> AverageMark(long long hundredthsSum, int count);

// The percentages from which the marks 3, 4, 5 and 6 start on `scale`.
std::array<double, 4> MarkBoundaries(const MarkScale& scale);

// "Слаб", "Среден", "Добър", "Много добър", "Отличен" for 2 to 6.
QString MarkWord(int whole);

} // namespace vorn
