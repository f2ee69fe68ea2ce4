#include "gift_question.h"

#include "bank_limits.h"
#include "marked_text.h"
#include "option_picture.h"
#include "tex_text.h"

#include <QUrl>

#include <optional>

namespace vorn::gift {

namespace {

using Chars = std::vector<GiftChar>;

BankIssue Refuse(const GiftChar& at, const QString& message) {
    return {BankIssue::Severity::Error, at.line, at.column, 0, message};
}

BankIssue Skip(int line, int column, const QString& message) {
    return {BankIssue::Severity::Warning, line, column, 0, message};
}

// A question of a type the player cannot ask is left out; the rest plays.
BankIssue SkipType(const GiftChar& at, const QString& type) {
    return Skip(at.line, at.column,
                QStringLiteral("въпрос от вид „%1“ – пропуснат; играят се само въпроси с избор: "
                               "един верен отговор „=“ и поне един грешен „~“.")
                    .arg(type));
}

bool StartsAnswer(const GiftChar& c) {
    return c.is(u'=') || c.is(u'~');
}

struct Answer {
    GiftChar marker; // '=' or '~'
    QString text;    // as written, with its format marker
    QString feedback;
    GiftChar feedbackAt; // its '#'
};

struct Block {
    std::vector<Answer> answers;
    QString general;
    GiftChar generalAt; // the first '#' of its "####"
};

// The text of chars[from, to) as written, line breaks as spaces.
QString OneLine(const Chars& chars, std::size_t from, std::size_t to) {
    QString text;
    for (std::size_t k = from; k < to; ++k)
        text += chars[k].kind == GiftChar::Kind::Plain || chars[k].kind == GiftChar::Kind::Escaped
                    ? chars[k].ch
                    : QChar(u' ');
    return text;
}

// Feedback as written: each line break, real or escaped, is a '\n'.
QString Feedback(const Chars& chars, std::size_t from, std::size_t to) {
    QString text;
    for (std::size_t k = from; k < to; ++k)
        text += chars[k].kind == GiftChar::Kind::Plain || chars[k].kind == GiftChar::Kind::Escaped
                    ? chars[k].ch
                    : QChar(u'\n');
    return text.trimmed();
}

bool HasPlain(const Chars& chars, std::size_t from, std::size_t to, QChar c) {
    for (std::size_t k = from; k < to; ++k)
        if (chars[k].is(c)) return true;
    return false;
}

// The first character from `from` on that is not blank; the last one when all are.
GiftChar FirstNonBlank(const Chars& chars, std::size_t from) {
    while (from + 1 < chars.size() && chars[from].isBlank())
        ++from;
    return from < chars.size() ? chars[from] : GiftChar{};
}

bool HasArrow(const Chars& chars, std::size_t from, std::size_t to) {
    for (std::size_t k = from; k + 1 < to; ++k)
        if (chars[k].is(u'-') && chars[k + 1].is(u'>')) return true;
    return false;
}

// The '%' of a weight such as %50% that starts an answer at from, if any.
std::optional<GiftChar> WeightAt(const Chars& chars, std::size_t from, std::size_t to) {
    while (from < to && chars[from].isBlank())
        ++from;
    if (from >= to || !chars[from].is(u'%')) return std::nullopt;
    std::size_t k = from + 1;
    while (k < to && chars[k].kind == GiftChar::Kind::Plain &&
           (chars[k].ch.isDigit() || QStringLiteral(".,-+").contains(chars[k].ch)))
        ++k;
    if (k > from + 1 && k < to && chars[k].is(u'%')) return chars[from];
    return std::nullopt;
}

// A block without '~' is never a choice; its type as Moodle tells it.
BankIssue SkipOtherType(const Chars& chars, std::size_t from, std::size_t to,
                        const GiftChar& open) {
    if (HasPlain(chars, from, to, u'=') && HasArrow(chars, from, to))
        return SkipType(open, QStringLiteral("съответствие"));
    std::size_t hash = from;
    while (hash < to && !chars[hash].is(u'#'))
        ++hash;
    const QString word = OneLine(chars, from, hash).trimmed();
    if (word == u"T" || word == u"TRUE" || word == u"F" || word == u"FALSE")
        return SkipType(open, QStringLiteral("вярно/невярно"));
    return SkipType(open, QStringLiteral("кратък отговор"));
}

// The answers and general feedback of the block chars[from, to), between its
// braces; open is its '{'. Types are told apart in Moodle's order: empty is
// an essay, a leading '#' numeric, a '~' anywhere a choice, '=' with "->"
// matching, T/F true/false, anything else short answer.
std::variant<Block, BankIssue> ReadBlock(const Chars& chars, std::size_t from, std::size_t to,
                                         const GiftChar& open) {
    // The general feedback runs from the first "####" to the closing brace.
    std::size_t answersEnd = to;
    int hashes = 0;
    for (std::size_t k = from; k < to && answersEnd == to; ++k) {
        hashes = chars[k].is(u'#') ? hashes + 1 : 0;
        if (hashes == 4) answersEnd = k - 3;
    }
    Block block;
    if (answersEnd < to) {
        block.general = Feedback(chars, answersEnd + 4, to);
        block.generalAt = chars[answersEnd];
    }

    std::size_t first = from;
    while (first < answersEnd && chars[first].isBlank())
        ++first;
    if (first == answersEnd) return SkipType(open, QStringLiteral("есе"));
    if (chars[first].is(u'#')) return SkipType(open, QStringLiteral("числов"));
    if (!HasPlain(chars, from, answersEnd, u'~'))
        return SkipOtherType(chars, from, answersEnd, open);

    std::size_t k = first;
    while (k < answersEnd && !StartsAnswer(chars[k]))
        ++k;
    if (k > first)
        return Refuse(chars[first], QStringLiteral("текст преди първия отговор в блока; всеки "
                                                   "отговор започва с „=“ или „~“."));
    while (k < answersEnd) {
        const GiftChar marker = chars[k];
        if (const auto weight = WeightAt(chars, k + 1, answersEnd))
            return Skip(weight->line, weight->column,
                        QStringLiteral("въпрос с тежести на отговорите (%…%) – пропуснат; "
                                       "пишете само „=“ за верния и „~“ за грешните."));
        JoinedText text;
        for (++k; k < answersEnd && !StartsAnswer(chars[k]) && !chars[k].is(u'#'); ++k)
            text.add(chars[k]);
        const std::size_t feedbackFrom = k + 1;
        const GiftChar feedbackAt = k < answersEnd ? chars[k] : GiftChar{};
        if (k < answersEnd && chars[k].is(u'#'))
            while (k < answersEnd && !StartsAnswer(chars[k]))
                ++k;
        const QString feedback = feedbackFrom <= k ? Feedback(chars, feedbackFrom, k) : QString();
        block.answers.push_back({marker, text.finish(), feedback, feedbackAt});
    }
    return block;
}

// Exactly one '=' answer, and no more options than a question can show.
std::optional<BankIssue> CheckChoice(const Block& block, const GiftChar& open) {
    std::vector<GiftChar> keys;
    for (const Answer& answer : block.answers)
        if (answer.marker.is(u'=')) keys.push_back(answer.marker);
    if (keys.empty()) return Refuse(open, QStringLiteral("въпросът няма верен отговор „=“."));
    if (keys.size() > 1)
        return Skip(keys[1].line, keys[1].column,
                    QStringLiteral("въпрос с няколко верни отговора „=“ – пропуснат; верният "
                                   "отговор е точно един."));
    if (block.answers.size() > static_cast<std::size_t>(kMaxOptions))
        return Skip(open.line, open.column,
                    QStringLiteral("въпрос с %1 отговора – пропуснат; отговорите са най-много %2.")
                        .arg(block.answers.size())
                        .arg(kMaxOptions));
    return std::nullopt;
}

// The texts of a question as the player shows them. A GIFT file carries no
// pictures: one that a text names is left out, with a warning at that text.
class ShownTexts {
public:
    // A question or answer text: a line break is "\r\n".
    QString text(const MarkedText& marked, const GiftChar& at) {
        const PlainText plain = read(marked, at);
        if (marked.format == TextFormat::Plain || plain.text == marked.text) return plain.text;
        return QString(plain.text).replace(u'\n', QStringLiteral("\r\n"));
    }

    // Feedback as explanation lines: trimmed, empty ones dropped.
    QStringList lines(const QString& feedback, TextFormat fallback, const GiftChar& at) {
        QStringList lines;
        for (const QString& line : read(SplitMarker(feedback, fallback), at).text.split(u'\n')) {
            const QString trimmed = line.trimmed();
            if (!trimmed.isEmpty()) lines.append(trimmed);
        }
        return lines;
    }

    // An answer's text; or its picture, from the bank's folder, when it is
    // [html] that shows only one picture.
    std::pair<QString, Picture> answer(const MarkedText& marked, const GiftChar& at, int number,
                                       const QStringList& taken) {
        if (marked.format != TextFormat::Html || !pictures) return {text(marked, at), nullptr};
        const PlainText plain = PlainOf(marked);
        if (plain.unread || !plain.text.trimmed().isEmpty() || plain.images.size() != 1)
            return {text(marked, at), nullptr};
        // The source is a URL as HTML writes it: "my%20graph.png" is "my graph.png".
        const QString source = QUrl::fromPercentEncoding(plain.images.front().toUtf8());
        PictureResult read = pictures(source);
        if (const auto* problem = std::get_if<QString>(&read)) {
            // Left empty, the option is refused by the checks every bank takes.
            warnings.push_back(
                Skip(at.line, at.column, QStringLiteral("отговор %1: ").arg(number) + *problem));
            return {QString(), nullptr};
        }
        if (Picture picture = std::get<Picture>(read))
            return {OptionPictureName(source, number, taken), std::move(picture)};
        return {text(marked, at), nullptr};
    }

    std::vector<BankIssue>& warnings;
    const PictureReader& pictures; // none: a text shows no picture

private:
    PlainText read(const MarkedText& marked, const GiftChar& at) {
        PlainText plain = PlainOf(marked);
        if (marked.format == TextFormat::Html || marked.format == TextFormat::Markdown)
            plain.text = WithFormulasAsText(plain.text, plain.losses);
        if (plain.unread) warnings.push_back(Refuse(at, *plain.unread));
        for (const QString& loss : plain.losses)
            warnings.push_back(Skip(at.line, at.column, loss));
        for (const QString& image : plain.images)
            warnings.push_back(Skip(at.line, at.column,
                                    QStringLiteral("картинката „%1“ е пропусната: GIFT не носи "
                                                   "картинки; показват се картинките на Moodle "
                                                   "XML и на vorn-bank.")
                                        .arg(image)));
        return plain;
    }
};

// Texts without a format marker take the question text's, as in Moodle; at
// is where the question text starts. Pictures left out are warned about.
Question GiftQuestionOf(const QString& text, const GiftChar& at, const Block& block,
                        std::vector<BankIssue>& warnings, const PictureReader& pictures) {
    const MarkedText marked = SplitMarker(text, TextFormat::Moodle);
    ShownTexts shown{warnings, pictures};
    Question question;
    question.text = shown.text(marked, at);
    question.explanation = shown.lines(block.general, marked.format, block.generalAt);
    std::vector<Picture> optionPictures;
    for (const Answer& answer : block.answers) {
        auto [option, picture] =
            shown.answer(SplitMarker(answer.text, marked.format), answer.marker,
                         static_cast<int>(question.options.size()) + 1, question.options);
        question.options.append(option);
        optionPictures.push_back(std::move(picture));
        if (answer.marker.is(u'=')) question.key = option;
        const QStringList feedback = shown.lines(answer.feedback, marked.format, answer.feedbackAt);
        if (feedback.isEmpty()) continue;
        QString oneLine = option;
        oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        question.explanation.append(oneLine + QStringLiteral(" – ") + feedback.front());
        question.explanation.append(feedback.mid(1));
    }
    SetOptionPictures(question, std::move(optionPictures));
    return question;
}

// A backslash left plain before a character on its line escapes nothing
// Moodle knows; it is kept as written, and the author told.
std::vector<BankIssue> UnknownEscapes(const Chars& chars) {
    std::vector<BankIssue> warnings;
    for (std::size_t k = 0; k + 1 < chars.size(); ++k)
        if (chars[k].is(u'\\') && chars[k + 1].kind == GiftChar::Kind::Plain)
            warnings.push_back(Skip(chars[k].line, chars[k].column,
                                    QStringLiteral("„\\%1“ не е известна на GIFT поредица; "
                                                   "обратната черта остава. Известни са \\~ \\= "
                                                   "\\# \\{ \\} \\: \\\\ и \\n.")
                                        .arg(chars[k + 1].ch)));
    return warnings;
}

// The "::name::" at chars[i], the question's id, with i moved past it: empty
// where there is none, an error where it is not closed.
std::variant<QString, BankIssue> ReadName(const Chars& chars, std::size_t& i) {
    if (i + 1 >= chars.size() || !chars[i].is(u':') || !chars[i + 1].is(u':')) return QString();
    std::size_t end = i + 2;
    while (end + 1 < chars.size() && !(chars[end].is(u':') && chars[end + 1].is(u':')))
        ++end;
    if (end + 1 >= chars.size())
        return Refuse(chars[i], QStringLiteral("името на въпроса, започнато с „::“, не е "
                                               "затворено с „::“."));
    const QString name = OneLine(chars, i + 2, end).simplified();
    i = end + 2;
    return name;
}

} // namespace

std::variant<ReadQuestion, BankIssue> ReadGiftQuestion(const std::vector<SourceLine>& lines,
                                                       const PictureReader& pictures) {
    const Chars chars = ReadChars(lines);
    std::size_t i = 0;
    while (i < chars.size() && chars[i].isBlank())
        ++i;
    const auto name = ReadName(chars, i);
    if (const auto* issue = std::get_if<BankIssue>(&name)) return *issue;
    const GiftChar textAt = FirstNonBlank(chars, i);

    JoinedText text;
    std::optional<Block> block;
    std::optional<BankIssue> skipped;
    std::optional<GiftChar> open;
    for (; i < chars.size(); ++i) {
        if (chars[i].is(u'}'))
            return Refuse(chars[i], QStringLiteral("„}“ без отваряща „{“; за самия знак пишете "
                                                   "„\\}“."));
        if (!chars[i].is(u'{')) {
            text.add(chars[i]);
            continue;
        }
        if (open)
            return Refuse(chars[i], QStringLiteral("втори блок с отговори { … } във въпроса; "
                                                   "блокът е един."));
        std::size_t close = i + 1;
        while (close < chars.size() && !chars[close].is(u'}') && !chars[close].is(u'{'))
            ++close;
        if (close == chars.size() || chars[close].is(u'{')) {
            BankIssue open =
                Refuse(chars[i], QStringLiteral("блокът с отговори, отворен тук с „{“, "
                                                "не е затворен с „}“."));
            open.countUncertain = true; // the reading went on at the next blank line
            return open;
        }
        auto read = ReadBlock(chars, i + 1, close, chars[i]);
        if (auto* issue = std::get_if<BankIssue>(&read)) {
            if (issue->isError()) return *issue;
            skipped = *issue; // the syntax after the block is still checked
        } else {
            block = std::get<Block>(std::move(read));
        }
        open = chars[i];
        text.markBlock();
        i = close;
    }
    if (skipped) return *skipped;
    if (!block)
        return SkipType({GiftChar::Kind::Plain, QChar(), lines.front().number, 0},
                        QStringLiteral("описание"));
    if (const auto issue = CheckChoice(*block, *open)) return *issue;
    std::vector<BankIssue> warnings = UnknownEscapes(chars);
    Question question = GiftQuestionOf(text.finish(), textAt, *block, warnings, pictures);
    question.id = std::get<QString>(name);
    return ReadQuestion{std::move(question), text.blockHasTextAfter(), std::move(warnings)};
}

} // namespace vorn::gift
