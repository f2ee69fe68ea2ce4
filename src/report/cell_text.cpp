#include "cell_text.h"

#include "platform/text.h"

namespace vorn {

namespace {

bool IsNonCharacter(char32_t c) {
    return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE;
}

bool Kept(char32_t c) {
    if (c == u'\t' || c == u'\n' || c == u'\r') return true;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return false;
    if (c <= 0xFFFF && IsBidiControl(static_cast<char16_t>(c))) return false;
    return !IsNonCharacter(c);
}

} // namespace

QString SpreadsheetText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (Kept(QChar::surrogateToUcs4(c, text[i + 1]))) {
                kept.append(c);
                kept.append(text[i + 1]);
            }
            ++i;
        } else if (!c.isSurrogate() && Kept(c.unicode())) {
            kept.append(c);
        }
    }
    return kept;
}

} // namespace vorn
