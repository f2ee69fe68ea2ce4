// The preview of a two-part phrase: the question text with its blank (the
// first run of underscores) filled by the chosen option.

#include "present.h"

namespace vorn {

QString FilledPhrase(const QString& s, const QString& option) {
    // A text without a blank ends the scan at its end: the option then follows
    // the whole text.
    qsizetype p = s.indexOf(u'_');
    if (p < 0) p = s.size();
    const QString prefix = s.left(p);
    while (p < s.size() && s[p] == u'_')
        ++p;
    // The text after the blank loses only the blank that the option's trailing
    // space replaces; any other character right after the blank is kept.
    QString suffix = s.mid(p);
    if (suffix.startsWith(u' ')) suffix = suffix.mid(1);
    return prefix + u' ' + option + u' ' + suffix;
}

} // namespace vorn
