#include "bare_less_than.h"

namespace vorn {

namespace {

bool StartsTag(QChar next) {
    const char16_t c = next.unicode();
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'/' || c == u'!' ||
           c == u'?';
}

} // namespace

QString EscapeBareLessThan(const QString& html) {
    QString escaped;
    escaped.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const bool bare = html[i] == u'<' && (i + 1 == html.size() || !StartsTag(html[i + 1]));
        if (bare)
            escaped += QStringLiteral("&lt;");
        else
            escaped += html[i];
    }
    return escaped;
}

} // namespace vorn
