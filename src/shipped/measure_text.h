#pragma once
// Numbers with their units as a Bulgarian text writes them: a decimal comma,
// "см", "см²" and the degree sign. Shared by the question texts and the figure
// labels, so both print a number the same way.

#include <QString>

namespace vorn {

// Whole numbers without decimals ("12"), others with a decimal comma and at
// most two decimals ("7,5").
QString Number(double value);

QString Cm(double value);       // "12 см"
QString SquareCm(double value); // "72 см²"
QString Degrees(double value);  // "30°"

} // namespace vorn
