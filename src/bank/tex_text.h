#pragma once
// TeX formulas as plain text. Between \( \), \[ \] or $$ $$ a formula of the
// school subset becomes Unicode text: powers and indices (a², x^(k+1), a₁),
// \sqrt{49} as √49 and \sqrt{a+b} as √(a+b), \frac{a}{b} as a/b or
// (a+1)/(b-1), the operators, relations, Greek letters and geometry signs of
// the table in tex_text.cpp, \left( \right), \text{...} and TeX's spaces.
// A formula with anything else (an environment, \sum, \overline, ...) stays
// as written, delimiters included, and is named so that it can be warned of.

#include <QString>
#include <QStringList>

namespace vorn {

struct FormulaText {
    QString text;
    QStringList keptAsWritten; // each formula that stays raw, delimiters included
};

FormulaText ReplaceFormulas(const QString& text);

// text with its formulas replaced, and for each kept as written a warning
// appended to warnings.
QString WithFormulasAsText(const QString& text, QStringList& warnings);

} // namespace vorn
