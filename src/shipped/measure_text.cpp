#include "measure_text.h"

#include <cmath>

namespace vorn {

QString Number(double value) {
    const double whole = std::round(value);
    if (std::abs(value - whole) < 1e-9) return QString::number(static_cast<long long>(whole));
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    return text.replace(u'.', u',');
}

QString Cm(double value) {
    return Number(value) + QStringLiteral(" см");
}

QString SquareCm(double value) {
    return Number(value) + QStringLiteral(" см²");
}

QString Degrees(double value) {
    return Number(value) + QStringLiteral("°");
}

} // namespace vorn
