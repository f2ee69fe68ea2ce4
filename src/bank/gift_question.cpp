#include "gift_question.h"

#include <optional>

namespace vorn::gift {

namespace {

using Chars = std::vector<GiftChar>;

const QString kWhatFits = QStringLiteral("; приемат се само въпроси с избор: един верен отговор "
                                         "„=“ и поне един грешен „~“.");

BankIssue Refuse(const GiftChar& at, const QString& message) {
    return {BankIssue::Severity::Error, at.line, at.column, 0, message};
}

bool StartsAnswer(const GiftChar& c) {
    return c.is(u'=') || c.is(u'~');
}

struct Answer {
    GiftChar marker; // '=' or '~'
    QString text;
    QStringList feedback;
};

struct Block {
    std::vector<Answer> answers;
    QStringList general;
};

// The text of chars[from, to) as written, line breaks as spaces.
QString PlainText(const Chars& chars, std::size_t from, std::size_t to) {
    QString text;
    for (std::size_t k = from; k < to; ++k)
        text += chars[k].kind == GiftChar::Kind::Plain || chars[k].kind == GiftChar::Kind::Escaped
                    ? chars[k].ch
                    : QChar(u' ');
    return text;
}

// Why a block whose text before the first answer is lead is not a choice.
QString OtherTypeMessage(const QString& lead) {
    if (lead.startsWith(u'#'))
        return QStringLiteral("числови въпроси ({#…}) не се поддържат") + kWhatFits;
    const QString word = lead.section(u'#', 0, 0).trimmed().toUpper();
    if (word == u"T" || word == u"TRUE" || word == u"F" || word == u"FALSE")
        return QStringLiteral("въпроси „вярно/невярно“ ({T}, {F}) не се поддържат") + kWhatFits;
    return QStringLiteral("текст преди първия отговор в блока; всеки отговор започва с „=“ или "
                          "„~“.");
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

// The answers and general feedback of the block chars[from, to), between its
// braces; open is its '{'.
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
        FeedbackLines general;
        for (std::size_t k = answersEnd + 4; k < to; ++k)
            general.add(chars[k]);
        block.general = general.finish();
    }

    std::size_t k = from;
    while (k < answersEnd && !StartsAnswer(chars[k]))
        ++k;
    const QString lead = PlainText(chars, from, k).trimmed();
    if (!lead.isEmpty()) {
        std::size_t first = from;
        while (first < k && chars[first].isBlank())
            ++first;
        return Refuse(chars[first], OtherTypeMessage(lead));
    }
    if (k == answersEnd)
        return Refuse(open, QStringLiteral("въпроси със свободен отговор ({}) не се поддържат") +
                                kWhatFits);

    while (k < answersEnd) {
        const GiftChar marker = chars[k];
        if (const auto weight = WeightAt(chars, k + 1, answersEnd))
            return Refuse(*weight, QStringLiteral("тежести на отговорите (%…%) не се поддържат; "
                                                  "пишете само „=“ за верния и „~“ за грешните."));
        JoinedText text;
        for (++k; k < answersEnd && !StartsAnswer(chars[k]) && !chars[k].is(u'#'); ++k) {
            if (chars[k].is(u'-') && k + 1 < answersEnd && chars[k + 1].is(u'>'))
                return Refuse(chars[k], QStringLiteral("въпроси за съпоставяне (с „->“) не се "
                                                       "поддържат") +
                                            kWhatFits);
            text.add(chars[k]);
        }
        FeedbackLines feedback;
        if (k < answersEnd && chars[k].is(u'#'))
            for (++k; k < answersEnd && !StartsAnswer(chars[k]); ++k)
                feedback.add(chars[k]);
        block.answers.push_back({marker, text.finish(), feedback.finish()});
    }
    return block;
}

// One answer block with exactly one '=' and at least one '~'.
std::optional<BankIssue> CheckChoice(const Block& block, const GiftChar& open) {
    std::vector<GiftChar> keys;
    for (const Answer& answer : block.answers)
        if (answer.marker.is(u'=')) keys.push_back(answer.marker);
    if (keys.size() == block.answers.size())
        return Refuse(open, QStringLiteral("въпроси с кратък отговор (само отговори „=“) не се "
                                           "поддържат") +
                                kWhatFits);
    if (keys.empty()) return Refuse(open, QStringLiteral("въпросът няма верен отговор „=“."));
    if (keys.size() > 1)
        return Refuse(keys[1], QStringLiteral("втори верен отговор „=“; верният отговор е точно "
                                              "един."));
    return std::nullopt;
}

Question MakeQuestion(QString text, const Block& block) {
    Question question;
    question.text = std::move(text);
    question.explanation = block.general;
    for (const Answer& answer : block.answers) {
        question.options.append(answer.text);
        if (answer.marker.is(u'=')) question.key = answer.text;
        if (answer.feedback.isEmpty()) continue;
        QString oneLine = answer.text;
        oneLine.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        question.explanation.append(oneLine + QStringLiteral(" – ") + answer.feedback.front());
        question.explanation.append(answer.feedback.mid(1));
    }
    return question;
}

} // namespace

std::variant<ReadQuestion, BankIssue> ReadGiftQuestion(const std::vector<SourceLine>& lines) {
    const Chars chars = ReadChars(lines);
    std::size_t i = 0;
    while (i < chars.size() && chars[i].isBlank())
        ++i;
    if (i + 1 < chars.size() && chars[i].is(u':') && chars[i + 1].is(u':')) {
        std::size_t end = i + 2;
        while (end + 1 < chars.size() && !(chars[end].is(u':') && chars[end + 1].is(u':')))
            ++end;
        if (end + 1 >= chars.size())
            return Refuse(chars[i], QStringLiteral("името на въпроса, започнато с „::“, не е "
                                                   "затворено с „::“."));
        i = end + 2;
    }

    JoinedText text;
    std::optional<Block> block;
    std::optional<GiftChar> open;
    for (; i < chars.size(); ++i) {
        if (chars[i].is(u'}'))
            return Refuse(chars[i], QStringLiteral("„}“ без отваряща „{“; за самия знак пишете "
                                                   "„\\}“."));
        if (!chars[i].is(u'{')) {
            text.add(chars[i]);
            continue;
        }
        if (block)
            return Refuse(chars[i], QStringLiteral("втори блок с отговори { … } във въпроса; "
                                                   "блокът е един."));
        std::size_t close = i + 1;
        while (close < chars.size() && !chars[close].is(u'}') && !chars[close].is(u'{'))
            ++close;
        if (close == chars.size() || chars[close].is(u'{'))
            return Refuse(chars[i], QStringLiteral("блокът с отговори, отворен тук с „{“, не е "
                                                   "затворен с „}“."));
        auto read = ReadBlock(chars, i + 1, close, chars[i]);
        if (const auto* issue = std::get_if<BankIssue>(&read)) return *issue;
        block = std::get<Block>(std::move(read));
        open = chars[i];
        text.markBlock();
        i = close;
    }
    if (!block)
        return BankIssue{BankIssue::Severity::Error, lines.front().number, 0, 0,
                         QStringLiteral("въпросът няма блок с отговори { … }; описания без "
                                        "отговори не се поддържат.")};
    if (const auto issue = CheckChoice(*block, *open)) return *issue;
    return ReadQuestion{MakeQuestion(text.finish(), *block), text.blockHasTextAfter()};
}

} // namespace vorn::gift
