#pragma once
// A text from a record or a bank as a spreadsheet cell holds it: without what
// the file cannot carry (NUL and the other control characters but tab and
// line breaks, non-characters such as U+FFFF, halves of surrogate pairs),
// which makes a workbook unreadable or cuts a text, and without the
// characters that act instead of showing (ESC, bidirectional overrides),
// which a student's name could use to disguise itself or what follows it.

#include <QString>

namespace vorn {

QString SpreadsheetText(const QString& text);

} // namespace vorn
