#pragma once
// A whole number read from JSON, where every number is a double: it is taken
// only when it is whole and within bounds, checked before it becomes an
// integer (a double beyond the integer's range has no value there).

#include <QJsonValue>
#include <cmath>
#include <optional>

namespace vorn {

inline std::optional<qint64> WholeNumber(double number, qint64 min, qint64 max) {
    if (number != std::floor(number) || number < double(min) || number > double(max))
        return std::nullopt;
    return static_cast<qint64>(number);
}

inline std::optional<qint64> WholeNumber(const QJsonValue& value, qint64 min, qint64 max) {
    if (!value.isDouble()) return std::nullopt;
    return WholeNumber(value.toDouble(), min, max);
}

} // namespace vorn
