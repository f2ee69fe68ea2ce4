#include "gift_text.h"

#include <algorithm>

namespace vorn::gift {

namespace {

bool IsBlankChar(QChar c) {
    return c.isSpace() && c != u'\r' && c != u'\n';
}

const QString kBreak = QStringLiteral("\r\n");

} // namespace

bool GiftChar::isBlank() const {
    return kind == Kind::LineBreak || (kind == Kind::Plain && IsBlankChar(ch));
}

std::vector<GiftChar> ReadChars(const std::vector<SourceLine>& lines) {
    static const QString escapable = QStringLiteral("~=#{}:\\");
    std::vector<GiftChar> chars;
    for (const SourceLine& line : lines) {
        if (!chars.empty())
            chars.push_back(
                {GiftChar::Kind::LineBreak, QChar(), chars.back().line, chars.back().column + 1});
        const QString& text = line.text;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int column = static_cast<int>(i) + 1;
            const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
            if (text[i] == u'\\' && !next.isNull() && escapable.contains(next)) {
                chars.push_back({GiftChar::Kind::Escaped, next, line.number, column});
                ++i;
            } else if (text[i] == u'\\' && next == u'n') {
                chars.push_back({GiftChar::Kind::EscapedBreak, QChar(), line.number, column});
                ++i;
            } else {
                chars.push_back({GiftChar::Kind::Plain, text[i], line.number, column});
            }
        }
    }
    return chars;
}

void JoinedText::add(const GiftChar& c) {
    switch (c.kind) {
    case GiftChar::Kind::LineBreak:
        while (text_.size() > std::max<qsizetype>(blockAt_, 0) && IsBlankChar(text_.back()))
            text_.chop(1);
        pendingBreak_ = true;
        return;
    case GiftChar::Kind::EscapedBreak:
        pendingBreak_ = false;
        text_ += kBreak;
        return;
    default:
        if (pendingBreak_ && IsBlankChar(c.ch)) return;
        append(QString(c.ch));
    }
}

void JoinedText::append(const QString& piece) {
    const bool somethingBefore = !text_.isEmpty() || hasBlock();
    if (pendingBreak_ && somethingBefore && !text_.endsWith(kBreak)) text_ += u' ';
    pendingBreak_ = false;
    text_ += piece;
}

void JoinedText::markBlock() {
    append(QString());
    blockAt_ = text_.size();
}

bool JoinedText::blockHasTextAfter() const {
    return hasBlock() && !text_.mid(blockAt_).trimmed().isEmpty();
}

QString JoinedText::finish() const {
    QString text = text_;
    if (blockHasTextAfter()) text.insert(blockAt_, QStringLiteral("___"));
    return text.trimmed();
}

} // namespace vorn::gift
