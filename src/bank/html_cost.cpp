#include "html_cost.h"

#include <QStringList>
#include <map>
#include <set>
#include <vector>

namespace vorn {

namespace {

bool IsLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool OpensTag(const QString& html, qsizetype i) {
    return html[i] == u'<' && i + 1 < html.size() && IsLetter(html[i + 1]);
}

bool ClosesTag(const QString& html, qsizetype i) {
    return html[i] == u'<' && i + 2 < html.size() && html[i + 1] == u'/' && IsLetter(html[i + 2]);
}

// The start tags of html that are read: none when it has more than one text may.
int ReadTags(const QString& html) {
    int tags = 0;
    for (qsizetype i = 0; i < html.size() && tags <= kMaxHtmlElements; ++i)
        if (OpensTag(html, i)) ++tags;
    return tags > kMaxHtmlElements ? 0 : tags;
}

// Elements that never hold anything, and those a start tag of their own
// kind closes ("<p>a<p>b" is two paragraphs, not one inside the other).
bool IsVoid(const QString& name) {
    static const QStringList names{"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                   "input", "link", "meta", "param", "source", "track", "wbr"};
    return names.contains(name);
}

bool ClosesItsOwnKind(const QString& name) {
    static const QStringList names{"p", "li", "dt", "dd", "tr", "td", "th", "option"};
    return names.contains(name);
}

// The tags Qt's reader knows, and containers that mean nothing a plain text
// loses; the reader drops any other and keeps its text.
bool KeptOrHarmless(const QString& name) {
    static const QStringList names{
        "a",       "address", "b",      "big",        "blockquote", "body",   "br",     "caption",
        "center",  "cite",    "code",   "dd",         "dfn",        "div",    "dl",     "dt",
        "em",      "font",    "h1",     "h2",         "h3",         "h4",     "h5",     "h6",
        "head",    "hr",      "html",   "i",          "img",        "kbd",    "li",     "link",
        "meta",    "nobr",    "ol",     "p",          "pre",        "qt",     "s",      "samp",
        "small",   "span",    "strong", "style",      "sub",        "sup",    "table",  "tbody",
        "td",      "tfoot",   "th",     "thead",      "title",      "tr",     "tt",     "u",
        "ul",      "var",     "strike", "article",    "section",    "header", "footer", "main",
        "nav",     "aside",   "figure", "figcaption", "label",      "abbr",   "time",   "col",
        "colgroup"};
    return names.contains(name);
}

// The index just past the '>' that ends the markup starting at `from`,
// quoted attribute values skipped; the end of the text when none does.
qsizetype EndOfTag(const QString& html, qsizetype from) {
    QChar quote;
    for (qsizetype i = from; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i + 1;
        }
    }
    return html.size();
}

qsizetype EndOfComment(const QString& html, qsizetype from) {
    const qsizetype end = html.indexOf(QStringLiteral("-->"), from + 4);
    return end < 0 ? html.size() : end + 3;
}

QString NameAt(const QString& html, qsizetype from) {
    qsizetype end = from;
    while (end < html.size() && (IsLetter(html[end]) || html[end].isDigit()))
        ++end;
    return html.mid(from, end - from).toLower();
}

// The elements open where the text is read, and the start tags cut, so that
// their end tags go too.
class Bounder {
public:
    // Whether a start tag is kept: not when it would open one level too many.
    bool keepStart(const QString& name, bool selfClosing) {
        if (IsVoid(name) || selfClosing) return true;
        if (ClosesItsOwnKind(name) && !open_.empty() && open_.back() == name) open_.pop_back();
        if (static_cast<int>(open_.size()) >= kMaxHtmlDepth) {
            ++cut_[name];
            return false;
        }
        open_.push_back(name);
        return true;
    }

    // Whether an end tag is kept: not when it ends an element that was cut.
    bool keepEnd(const QString& name) {
        for (auto i = open_.size(); i-- > 0;) {
            if (open_[i] != name) continue;
            open_.resize(i);
            return true;
        }
        auto cut = cut_.find(name);
        if (cut == cut_.end() || cut->second == 0) return true;
        --cut->second;
        return false;
    }

    bool cutAny() const { return !cut_.empty(); }

private:
    std::vector<QString> open_;
    std::map<QString, int> cut_; // start tags left out, by name, whose end is still to come
};

} // namespace

bool HtmlBudget::take(const QStringList& texts) {
    qint64 tags = 0;
    for (const QString& text : texts)
        tags += ReadTags(text);
    if (used_ + tags > kMaxBankHtmlTags) return false;
    used_ += tags;
    return true;
}

QString HtmlBudget::skipped() {
    return QStringLiteral("въпросът е пропуснат: текстовете на банката имат над %1 HTML тага общо.")
        .arg(kMaxBankHtmlTags);
}

BoundedHtml BoundHtmlCost(const QString& html) {
    Bounder bounder;
    QString kept;
    int elements = 0;
    QStringList dropped;
    std::set<QString> seen;
    for (qsizetype i = 0; i < html.size();) {
        if (QStringView(html).mid(i, 4) == u"<!--") {
            const qsizetype end = EndOfComment(html, i);
            kept += QStringView(html).mid(i, end - i);
            i = end;
        } else if (OpensTag(html, i) || ClosesTag(html, i)) {
            const bool closing = html[i + 1] == u'/';
            const QString name = NameAt(html, i + (closing ? 2 : 1));
            const qsizetype end = EndOfTag(html, i);
            if (!closing && ++elements > kMaxHtmlElements) return {{}, false, true, {}};
            // Office's namespaced tags (<o:p>) are empty marks of its own.
            const bool namespaced = html.mid(i + 1 + name.size(), 1) == u":";
            if (!closing && !namespaced && !KeptOrHarmless(name) && seen.insert(name).second)
                dropped.append(name);
            const bool selfClosing = end >= 2 && html[end - 1] == u'>' && html[end - 2] == u'/';
            const bool keep =
                closing ? bounder.keepEnd(name) : bounder.keepStart(name, selfClosing);
            if (keep) kept += QStringView(html).mid(i, end - i);
            i = end;
        } else {
            kept += html[i];
            ++i;
        }
    }
    if (!bounder.cutAny()) return {html, false, false, dropped};
    return {kept, true, false, dropped};
}

} // namespace vorn
