#pragma once
// A '<' in HTML starts a tag only before a letter, '/', '!' or '?'; any
// other '<' is text, as HTML5's tokeniser reads it ("2 < 3", "1<2", "<=").
// Qt's HTML reader takes every '<' for a tag and drops the text after it.

#include <QString>

namespace vorn {

// html with every '<' that starts no tag written as "&lt;"; the rest as is.
QString EscapeBareLessThan(const QString& html);

} // namespace vorn
