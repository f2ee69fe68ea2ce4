#pragma once
// What Qt's HTML reader may be given. Its time grows with the square of the
// nesting depth (100,000 nested <div> take minutes) and its memory with the
// number of elements (about a kilobyte each), so a hostile text costs
// gigabytes. Nesting deeper than kMaxHtmlDepth is cut, keeping the text; a
// text with more than kMaxHtmlElements tags is not read at all. One pass,
// no recursion. On the way it names the tags the reader drops (<math>,
// <video>, <del>, ...): their text stays, what they meant goes.

#include <QString>
#include <QStringList>

namespace vorn {

constexpr int kMaxHtmlDepth = 100;
constexpr int kMaxHtmlElements = 5000;

struct BoundedHtml {
    QString html;                 // as given, unless nesting was cut
    bool depthCut = false;        // tags nested deeper than kMaxHtmlDepth were left out
    bool tooManyElements = false; // html is empty then
    QStringList droppedTags;      // each once, in the order first written
};

BoundedHtml BoundHtmlCost(const QString& html);

// The tags all the texts of one bank may hold together, the few seconds Qt's
// reader takes for them; a question that would pass them is skipped.
constexpr int kMaxBankHtmlTags = 200000;

class HtmlBudget {
public:
    // Whether the texts of one question may still be read; if so, their tags
    // (as many as are read of each) are taken from what is left.
    bool take(const QStringList& texts);
    // Why a question is skipped when it may not.
    static QString skipped();

private:
    qint64 used_ = 0;
};

} // namespace vorn
