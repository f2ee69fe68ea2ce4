// The preview of a two-part phrase: the question text with its blank (the
// first run of underscores) filled by the chosen option.

#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::ShowFilledPhrase() {
    if (VORN_Danni.Setting(kPhraseItem) != 1) return;

    const QString s = Text2(0).Text;
    const int L = Len(s);
    const auto charAt = [&s, L](int p) { return p <= L ? Mid(s, p, 1) : QString(); };
    const QString blank = QStringLiteral("_");

    int p = 1;
    QString prefix;
    // A text without a blank ends the scan at its end: the option then follows
    // the whole text.
    while (p <= L && charAt(p) != blank) {
        prefix = Left(s, p);
        ++p;
    }
    while (charAt(p) == blank)
        ++p;

    // The text after the blank loses only the blank that the option's trailing
    // space replaces; any other character right after the blank is kept.
    QString suffix = p <= L ? Mid(s, p, L - p + 1) : QString();
    if (suffix.startsWith(u' ')) suffix = suffix.mid(1);

    Text2(6).Text =
        prefix + QStringLiteral(" ") + Text2(LastChoice + 1).Text + QStringLiteral(" ") + suffix;
}

} // namespace vorn
