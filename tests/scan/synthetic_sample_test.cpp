// A handful of synthetic scans, one per kind of distortion, read by the
// scanner: every bubble must read as the student's mark says, and every sheet
// under its own code. The benchmark reads hundreds; these guard the
// accuracy on every build.

#include "scan/sheet_scanner.h"
#include "support/synthetic_corpus.h"
#include "support/synthetic_score.h"

#include <gtest/gtest.h>

namespace vorn::test {
namespace {

// A sheet read back: its code must be its own, and its bubbles as drawn.
void ExpectReadAsDrawn(const CorpusSheet& sheet) {
    const SyntheticScan scan = MakeCorpusScan(sheet);
    const SheetReading reading =
        ReadSheet({{QStringLiteral("sample.png"), 1}, scan.image},
                  [&sheet](const SheetCode& code) { return CorpusRows(sheet, code); });
    ASSERT_TRUE(reading.code.has_value()) << qPrintable(reading.codeProblem);
    EXPECT_EQ(*reading.code, sheet.code);
    const ScanScore score = ScoreReading(reading, sheet, scan);
    EXPECT_EQ(score.right, score.bubbles) << qPrintable(score.misses.join(u'\n'));
    EXPECT_EQ(score.doubtfulToReview, score.doubtful);
}

TEST(SyntheticSample, EveryDistortionReadsEveryBubbleAsTheStudentMarkedIt) {
    std::uint32_t seed = 20261210;
    for (Distortion distortion : kAllDistortions) {
        const CorpusSheet sheet = DrawCorpusSheet(distortion, 150, seed++);
        SCOPED_TRACE(std::string(DistortionName(distortion)) + ", seed " +
                     std::to_string(sheet.seed));
        ExpectReadAsDrawn(sheet);
    }
}

// Every kind of mark, on one clean sheet: a kind the others' draws happened
// to leave out would go unchecked.
TEST(SyntheticSample, EachKindOfMarkReadsAsItsTruth) {
    CorpusSheet sheet = DrawCorpusSheet(Distortion::Clean, 150, 77);
    sheet.optionCounts.assign(std::size(kAllMarkKinds), 2);
    sheet.marks.rows.clear();
    for (MarkKind kind : kAllMarkKinds)
        sheet.marks.rows.push_back({kind, MarkKind::Filled});
    ExpectReadAsDrawn(sheet);
}

} // namespace
} // namespace vorn::test
