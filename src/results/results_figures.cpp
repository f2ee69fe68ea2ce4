#include "results_figures.h"

#include <algorithm>
#include <map>

namespace vorn {

namespace {

struct QuestionTally {
    QuestionFigures figures;
    std::vector<std::pair<QString, int>> wrong; // in the order first chosen
};

void Count(QuestionTally& tally, const AnswerRecord& answer) {
    if (tally.figures.number == 0) {
        tally.figures.number = answer.number;
        tally.figures.key = answer.key;
    }
    if (answer.right) ++tally.figures.right;
    if (!answer.chosen) ++tally.figures.unanswered;
    if (answer.right || !answer.chosen) return;
    auto it = std::find_if(tally.wrong.begin(), tally.wrong.end(),
                           [&](const auto& entry) { return entry.first == *answer.chosen; });
    if (it == tally.wrong.end())
        tally.wrong.emplace_back(*answer.chosen, 1);
    else
        ++it->second;
}

// Half up, for numerator and denominator >= 0: (2n + d) / 2d.
int RoundedRatio(long long numerator, long long denominator) {
    return static_cast<int>((2 * numerator + denominator) / (2 * denominator));
}

BankFigures Summarise(const std::vector<const ResultRecord*>& records) {
    BankFigures bank;
    bank.title = records.front()->bankTitle;
    bank.sha256 = records.front()->run.bankSha256;
    bank.attempts = static_cast<int>(records.size());
    std::vector<int> percents;
    std::map<int, QuestionTally> tallies;
    for (const ResultRecord* record : records) {
        percents.push_back(record->grade.percent);
        ++bank.bands[static_cast<std::size_t>(std::min(record->grade.percent / 10, 10))];
        for (const AnswerRecord& answer : record->questions)
            Count(tallies[answer.number], answer);
    }
    std::sort(percents.begin(), percents.end());
    long long sum = 0;
    for (const int percent : percents)
        sum += percent;
    bank.meanTenths = RoundedRatio(sum * 10, bank.attempts);
    const std::size_t middle = percents.size() / 2;
    bank.medianTenths =
        percents.size() % 2 ? percents[middle] * 10 : (percents[middle - 1] + percents[middle]) * 5;

    for (auto& [number, tally] : tallies) {
        for (const auto& [text, count] : tally.wrong)
            if (count > tally.figures.commonWrongCount) {
                tally.figures.commonWrong = text;
                tally.figures.commonWrongCount = count;
            }
        bank.questions.push_back(tally.figures);
    }
    std::stable_sort(
        bank.questions.begin(), bank.questions.end(),
        [](const QuestionFigures& a, const QuestionFigures& b) { return a.right < b.right; });
    return bank;
}

} // namespace

std::vector<BankFigures> FiguresByBank(const std::vector<ResultRecord>& records) {
    std::vector<QString> order;
    std::map<QString, std::vector<const ResultRecord*>> byBank;
    for (const ResultRecord& record : records) {
        auto& group = byBank[record.run.bankSha256];
        if (group.empty()) order.push_back(record.run.bankSha256);
        group.push_back(&record);
    }
    std::vector<BankFigures> banks;
    for (const QString& sha256 : order)
        banks.push_back(Summarise(byBank.at(sha256)));
    return banks;
}

int ShareTenths(int count, int attempts) {
    return RoundedRatio(1000LL * count, attempts);
}

QString TenthsText(int tenths, QChar point) {
    return QStringLiteral("%1%2%3").arg(tenths / 10).arg(point).arg(tenths % 10);
}

QString BandName(int band) {
    return band == kPercentBands - 1 ? QStringLiteral("100")
                                     : QStringLiteral("%1–%2").arg(band * 10).arg(band * 10 + 9);
}

} // namespace vorn
