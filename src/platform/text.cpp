#include "text.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vorn {

double Val(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    double sign = 1;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') sign = -1;
        ++i;
    }
    double value = 0;
    bool any = false;
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        any = true;
    }
    if (i < n && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9'; ++i) {
            value += scale * (text[i].unicode() - u'0');
            scale /= 10;
            any = true;
        }
    }
    return any ? sign * value : 0;
}

QString CStr(long long number) {
    return QString::number(number);
}

int Len(const QString& text) {
    return static_cast<int>(text.size());
}

QString Left(const QString& text, int count) {
    return text.left(count < 0 ? 0 : count);
}

QString Right(const QString& text, int count) {
    return text.right(count < 0 ? 0 : count);
}

QString Mid(const QString& text, int start, int count) {
    if (start < 1 || count <= 0) return {};
    return text.mid(start - 1, count);
}

bool IsBidiControl(char16_t u) {
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
           u == 0x200F || u == 0x061C;
}

namespace {

// Whether a character is shown as an escape rather than as itself.
bool ShownEscaped(char16_t u) {
    return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029 || IsBidiControl(u);
}

} // namespace

QString Printable(const QString& text) {
    // Nearly every text has nothing to escape: it is handed back, not copied.
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return ShownEscaped(c.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!ShownEscaped(u))
            out += c;
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u < 0xA0) // the other controls and DEL
            out += QStringLiteral("\\x%1").arg(static_cast<int>(u), 2, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u%1").arg(static_cast<int>(u), 4, 16, QLatin1Char('0'));
    }
    return out;
}

long RoundHalfEven(double x) {
    // The default rounding mode rounds to nearest with ties to even.
    return std::lrint(x);
}

QString WithCyrillicLookAlikes(const QString& text) {
    static const QString latin = QStringLiteral("aeopcxyABEHKMOPCTX");
    static const QString cyrillic = QStringLiteral("аеорсхуАВЕНКМОРСТХ");
    QString result = text;
    for (QChar& c : result)
        if (const qsizetype i = latin.indexOf(c); i >= 0) c = cyrillic[i];
    return result;
}

QString Counted(int n, const QString& one, const QString& many) {
    return QString::number(n) + u' ' + (n == 1 ? one : many);
}

std::size_t QuickHash(const QString& text) {
    return std::hash<std::u16string_view>{}(
        {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())});
}

} // namespace vorn
