#pragma once
// Superscripts and subscripts as plain text: a³, H₂O where Unicode has a
// raised or lowered form of every character, else x^(k+1), a_(max). So a
// power never runs into its base ("a3") in a box that shows plain text.

#include <QString>

namespace vorn {

QString AsSuperscript(const QString& text);
QString AsSubscript(const QString& text);

} // namespace vorn
