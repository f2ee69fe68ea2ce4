#include "item_statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vorn {

namespace {

double Mean(const std::vector<double>& xs) {
    return std::accumulate(xs.begin(), xs.end(), 0.0) / static_cast<double>(xs.size());
}

// The sample covariance (n - 1); the variance when both are the same list.
double Covariance(const std::vector<double>& xs, const std::vector<double>& ys) {
    const double mx = Mean(xs), my = Mean(ys);
    double sum = 0;
    for (std::size_t i = 0; i < xs.size(); ++i)
        sum += (xs[i] - mx) * (ys[i] - my);
    return sum / static_cast<double>(xs.size() - 1);
}

// The correlation × 100; none when either list does not vary.
std::optional<double> Correlation(const std::vector<double>& xs, const std::vector<double>& ys) {
    if (xs.size() < 2) return std::nullopt;
    const double product = Covariance(xs, xs) * Covariance(ys, ys);
    if (product == 0) return std::nullopt;
    return 100 * Covariance(xs, ys) / std::sqrt(product);
}

std::vector<double> Sorted(std::vector<double> xs) {
    std::sort(xs.begin(), xs.end());
    return xs;
}

// One question's scores and the rest of each attempt that asked it.
struct ItemScores {
    std::vector<double> marks, others;
    std::vector<int> options;
};

ItemStatistics ItemFigures(const ItemScores& scores) {
    ItemStatistics item;
    item.students = static_cast<int>(scores.marks.size());
    item.unanswered =
        static_cast<int>(std::count(scores.options.begin(), scores.options.end(), kUnanswered));
    if (item.students == 0) return item;
    item.facility = 100 * Mean(scores.marks);
    if (item.students < 2) return item;
    item.sd = 100 * std::sqrt(Covariance(scores.marks, scores.marks));
    item.facilityError = *item.sd / std::sqrt(item.students);
    item.discrimination = Correlation(scores.marks, scores.others);
    const double largest = Covariance(Sorted(scores.marks), Sorted(scores.others));
    if (largest != 0) item.efficiency = 100 * Covariance(scores.marks, scores.others) / largest;
    return item;
}

std::vector<OptionStatistics> OptionStatisticsOf(const ItemScores& scores, int count) {
    std::vector<OptionStatistics> options(static_cast<std::size_t>(count));
    std::vector<double> chose(scores.options.size());
    for (int option = 0; option < count; ++option) {
        OptionStatistics& figures = options[static_cast<std::size_t>(option)];
        for (std::size_t i = 0; i < chose.size(); ++i)
            chose[i] = scores.options[i] == option ? 1 : 0;
        figures.chosen = static_cast<int>(std::count(chose.begin(), chose.end(), 1.0));
        if (chose.empty()) continue;
        figures.share = 100 * Mean(chose);
        figures.correlation = Correlation(chose, scores.others);
    }
    return options;
}

double Median(std::vector<double> xs) {
    std::sort(xs.begin(), xs.end());
    const std::size_t n = xs.size();
    return (xs[(n - 1) / 2] + xs[n / 2]) / 2;
}

// Moodle's test figures, from the attempts' scores and the summed variance of
// the positions' scores.
TestStatistics TestFigures(const std::vector<double>& totals, double positionVariance,
                           int positions) {
    TestStatistics test;
    test.students = static_cast<int>(totals.size());
    test.positions = positions;
    if (totals.empty() || positions == 0) return test;
    const auto percent = [positions](double marks) { return 100 * marks / positions; };
    const double s = test.students, mean = Mean(totals);
    test.mean = percent(mean);
    test.median = percent(Median(totals));
    if (s < 2) return test;
    double power2 = 0, power3 = 0, power4 = 0;
    for (const double total : totals) {
        const double d = total - mean;
        power2 += d * d;
        power3 += d * d * d;
        power4 += d * d * d * d;
    }
    const double sd = std::sqrt(power2 / (s - 1));
    test.sd = percent(sd);
    test.meanError = percent(sd / std::sqrt(s));
    if (s < 3) return test;
    const double m2 = power2 / s, m3 = power3 / s, m4 = power4 / s;
    const double k2 = s * m2 / (s - 1), k3 = s * s * m3 / ((s - 1) * (s - 2));
    if (k2 == 0) return test;
    test.skewness = k3 / std::pow(k2, 1.5);
    if (s > 3)
        test.kurtosis = s * s * ((s + 1) * m4 - 3 * (s - 1) * m2 * m2) /
                        ((s - 1) * (s - 2) * (s - 3)) / (k2 * k2);
    if (positions < 2) return test;
    const double alpha = 100.0 * positions / (positions - 1) * (1 - positionVariance / k2);
    test.consistency = alpha;
    if (alpha > 100) return test; // no square root of a negative share
    test.errorRatio = 100 * std::sqrt(1 - alpha / 100);
    test.standardError = percent(*test.errorRatio * sd / 100);
    return test;
}

} // namespace

ItemAnalysis AnalyseItems(const std::vector<ScoredAttempt>& attempts,
                          const std::vector<int>& optionCounts) {
    std::vector<ItemScores> items(optionCounts.size());
    std::vector<std::vector<double>> byPosition;
    std::vector<double> totals;
    for (const ScoredAttempt& attempt : attempts) {
        const auto total = static_cast<double>(std::count_if(
            attempt.begin(), attempt.end(), [](const ScoredAnswer& a) { return a.right; }));
        totals.push_back(total);
        if (byPosition.size() < attempt.size()) byPosition.resize(attempt.size());
        for (std::size_t k = 0; k < attempt.size(); ++k) {
            const ScoredAnswer& answer = attempt[k];
            const double mark = answer.right ? 1 : 0;
            ItemScores& scores = items[static_cast<std::size_t>(answer.question)];
            scores.marks.push_back(mark);
            scores.others.push_back(total - mark);
            scores.options.push_back(answer.option);
            byPosition[k].push_back(mark);
        }
    }
    double positionVariance = 0;
    for (const std::vector<double>& marks : byPosition)
        positionVariance += marks.size() > 1 ? Covariance(marks, marks) : 0;

    ItemAnalysis analysis;
    analysis.test = TestFigures(totals, positionVariance, static_cast<int>(byPosition.size()));
    for (std::size_t q = 0; q < items.size(); ++q) {
        analysis.items.push_back(ItemFigures(items[q]));
        analysis.options.push_back(OptionStatisticsOf(items[q], optionCounts[q]));
    }
    return analysis;
}

std::optional<double> UnansweredPercent(const ItemStatistics& s) {
    return s.students ? std::optional<double>(100.0 * s.unanswered / s.students) : std::nullopt;
}

} // namespace vorn
