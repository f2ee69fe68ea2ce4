#include "results_figures.h"

#include <cmath>

namespace vorn {

// Half up: (2n + d) / 2d.
int ShareTenths(int count, int attempts) {
    return static_cast<int>((2000LL * count + attempts) / (2LL * attempts));
}

QString TenthsText(int tenths, QChar point) {
    return QStringLiteral("%1%2%3").arg(tenths / 10).arg(point).arg(tenths % 10);
}

QString FigureText(std::optional<double> figure, QChar point) {
    if (!figure) return {};
    // -0.001 would print as "-0.00".
    const double value = std::abs(*figure) < 0.005 ? 0.0 : *figure;
    QString text = QString::number(value, 'f', 2);
    if (point != u'.') text.replace(u'.', point);
    return text;
}

QString BandName(int band) {
    return band == kPercentBands - 1 ? QStringLiteral("100")
                                     : QStringLiteral("%1–%2").arg(band * 10).arg(band * 10 + 9);
}

} // namespace vorn
