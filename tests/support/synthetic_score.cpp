#include "synthetic_score.h"

#include "paper/paper_variant.h"

namespace vorn::test {

namespace {

struct Bubbles {
    const std::vector<std::vector<MarkKind>>& kinds;
    const std::vector<std::vector<BubbleState>>& truth;
    const std::vector<RowReading>* read; // none: not read at all
    QString label;                       // "row", "number column"
};

void ScoreBubble(MarkKind kind, BubbleState truth, const BubbleReading* reading, ScanScore& score,
                 const QString& where) {
    ++score.bubbles;
    std::optional<BubbleState> read;
    if (reading) {
        read = reading->state;
        score.darknessByKind[static_cast<std::size_t>(kind)].Add(reading->darkness);
        score.outsideByKind[static_cast<std::size_t>(kind)].Add(reading->outside);
    }
    if (truth == BubbleState::Doubtful) {
        ++score.doubtful;
        if (read == BubbleState::Doubtful) ++score.doubtfulToReview;
    }
    if (read == truth) {
        ++score.right;
        return;
    }
    ++score.missesByKind[static_cast<std::size_t>(kind)];
    const bool silent = read == BubbleState::Marked || read == BubbleState::Empty;
    if (silent) ++score.silentlyWrong;
    score.misses << QStringLiteral("%1: %2 read as %3")
                        .arg(where, QLatin1String(MarkKindName(kind)),
                             read ? QLatin1String(StateName(*read)) : QLatin1String("nothing"));
}

void ScoreAll(const Bubbles& bubbles, ScanScore& score) {
    for (std::size_t row = 0; row < bubbles.kinds.size(); ++row)
        for (std::size_t letter = 0; letter < bubbles.kinds[row].size(); ++letter) {
            const BubbleReading* read = nullptr;
            if (bubbles.read && row < bubbles.read->size() &&
                letter < (*bubbles.read)[row].bubbles.size())
                read = &(*bubbles.read)[row].bubbles[letter];
            const QString where = QStringLiteral("%1 %2 %3")
                                      .arg(bubbles.label)
                                      .arg(row + 1)
                                      .arg(bubbles.label == QLatin1String("row")
                                               ? QString(SlotLetter(static_cast<int>(letter)))
                                               : QString::number(letter));
            ScoreBubble(bubbles.kinds[row][letter], bubbles.truth[row][letter], read, score, where);
        }
}

// The digit a column of the class number says without asking anyone: its one
// marked bubble, none left doubtful.
std::optional<int> ReadDigit(const std::vector<BubbleState>& column) {
    std::optional<int> digit;
    for (std::size_t d = 0; d < column.size(); ++d) {
        if (column[d] == BubbleState::Doubtful) return std::nullopt;
        if (column[d] != BubbleState::Marked) continue;
        if (digit) return std::nullopt;
        digit = static_cast<int>(d);
    }
    return digit;
}

// Whether the number's columns were read, silently, as another number.
bool NumberMistaken(const std::vector<RowReading>& read,
                    const std::vector<std::vector<BubbleState>>& truth) {
    if (truth.empty() || read.size() != truth.size()) return false;
    bool differs = false;
    for (std::size_t c = 0; c < truth.size(); ++c) {
        std::vector<BubbleState> states;
        for (const BubbleReading& bubble : read[c].bubbles)
            states.push_back(bubble.state);
        const std::optional<int> digit = ReadDigit(states);
        if (!digit) return false; // a person is asked
        differs = differs || digit != ReadDigit(truth[c]);
    }
    return differs;
}

} // namespace

const char* StateName(BubbleState state) {
    switch (state) {
    case BubbleState::Empty:
        return "empty";
    case BubbleState::Marked:
        return "marked";
    case BubbleState::Cancelled:
        return "cancelled";
    case BubbleState::Doubtful:
        return "doubtful";
    }
    return "?";
}

ScanScore ScoreReading(const SheetReading& reading, const CorpusSheet& sheet,
                       const SyntheticScan& scan) {
    ScanScore score;
    score.codeUnread = !reading.code.has_value();
    score.codeWrong = reading.code && *reading.code != sheet.code;
    const bool counted = reading.code && !score.codeWrong;
    score.numberWrong = counted && NumberMistaken(reading.numberColumns, scan.numberColumns);
    ScoreAll({sheet.marks.rows, scan.rows, counted ? &reading.rows : nullptr, "row"}, score);
    ScoreAll({sheet.marks.numberColumns, scan.numberColumns,
              counted ? &reading.numberColumns : nullptr, "number column"},
             score);
    return score;
}

std::optional<std::vector<int>> CorpusRows(const CorpusSheet& sheet, const SheetCode& code) {
    if (code.bankPrefix != sheet.code.bankPrefix || code.variant != sheet.code.variant ||
        code.seed != sheet.code.seed)
        return std::nullopt;
    return sheet.optionCounts;
}

} // namespace vorn::test
