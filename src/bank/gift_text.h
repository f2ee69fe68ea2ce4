#pragma once
// The characters of one GIFT question with its escapes read, and the builders
// that turn runs of them into the texts of a Question. A character knows
// whether it can mark syntax ({ } = ~ # :) and where it stands in the file.

#include <QString>
#include <QStringList>
#include <vector>

namespace vorn::gift {

struct SourceLine {
    int number; // 1-based line in the file
    QString text;
};

struct GiftChar {
    enum class Kind {
        Plain,        // may mark syntax
        Escaped,      // written with a backslash: always text
        LineBreak,    // the end of a line in the file
        EscapedBreak, // \n written by the author
    };
    Kind kind = Kind::Plain;
    QChar ch;
    int line = 0;
    int column = 0; // 1-based, in characters

    bool is(QChar c) const { return kind == Kind::Plain && ch == c; }
    // A space or tab, or the end of a line.
    bool isBlank() const;
};

// The lines as characters: \~ \= \# \{ \} \: \\ are the character itself as
// text, \n is an escaped break, any other backslash stays a plain backslash
// (an unknown escape, which the caller reports). A LineBreak stands between
// consecutive lines.
std::vector<GiftChar> ReadChars(const std::vector<SourceLine>& lines);

// A question or answer text. A line break joins the lines with one space (the
// blanks around it dropped); an escaped break is "\r\n". The answer block can
// be marked in it, so that the text after the block keeps its own spacing.
class JoinedText {
public:
    void add(const GiftChar& c);
    void markBlock();
    bool hasBlock() const { return blockAt_ >= 0; }
    // The text trimmed, with "___" in place of the block when non-blank text
    // follows it; a leading format marker is kept for the caller.
    QString finish() const;
    bool blockHasTextAfter() const;

private:
    void append(const QString& piece);

    QString text_;
    qsizetype blockAt_ = -1;
    bool pendingBreak_ = false;
};

} // namespace vorn::gift
