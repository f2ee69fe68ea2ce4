#include "measure_text.h"

namespace vorn {

QString Number(double value) {
    // Rounded to two decimals first, so that 2.999 is "3", not "3,".
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    if (text == QLatin1String("-0")) text = QStringLiteral("0");
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
