#include "synthetic_corpus.h"

#include "paper/sheet_layout.h"
#include "print/sheet_painter.h"
#include "synthetic_random.h"

namespace vorn::test {

namespace {

constexpr MarkKind kDoubtfulKinds[] = {MarkKind::Tick, MarkKind::Cross, MarkKind::LightFill,
                                       MarkKind::EraseSmudge};

// Another letter of the row than `taken`.
int OtherLetter(int count, int taken, SyntheticRandom& random) {
    return (taken + 1 + random.Below(count - 1)) % count;
}

// One row as students leave them: mostly one fill, sometimes a correction
// and a new fill, two fills, nothing, or something a person must look at.
std::vector<MarkKind> DrawRow(int count, SyntheticRandom& random) {
    std::vector<MarkKind> row(static_cast<std::size_t>(count), MarkKind::None);
    const int first = random.Below(count);
    const int second = OtherLetter(count, first, random);
    auto at = [&row](int letter) -> MarkKind& { return row[static_cast<std::size_t>(letter)]; };
    const double story = random.Uniform(0, 1);
    if (story < 0.60) {
        at(first) = MarkKind::Filled;
        if (random.Chance(0.15)) at(second) = MarkKind::StrayDot;
    } else if (story < 0.68) {
        at(first) = MarkKind::Correction;
        at(second) = MarkKind::Filled;
    } else if (story < 0.71) {
        at(first) = MarkKind::Filled;
        at(second) = MarkKind::Filled;
    } else if (story < 0.75) {
        // Left blank.
    } else {
        at(first) = kDoubtfulKinds[random.Below(4)];
        if (random.Chance(0.5)) at(second) = MarkKind::Filled;
    }
    return row;
}

ScanDistortions DrawDistortions(Distortion distortion, SyntheticRandom& random) {
    ScanDistortions d;
    switch (distortion) {
    case Distortion::Clean:
    case Distortion::Resolution:
        break;
    case Distortion::Rotation:
        d.quarterTurns = 1 + random.Below(3);
        break;
    case Distortion::Skew:
        d.skewDegrees = random.Uniform(1, 5) * (random.Chance(0.5) ? -1 : 1);
        break;
    case Distortion::Jpeg:
        d.jpegQuality = 40 + random.Below(41);
        break;
    case Distortion::Noise:
        d.noiseSigma = random.Uniform(6, 14);
        break;
    case Distortion::BlackAndWhite:
        d.blackAndWhite = true;
        break;
    case Distortion::CornerSmudge:
        d.cornerSmudge = true;
        break;
    case Distortion::Copier:
        d.quarterTurns = random.Below(4);
        d.skewDegrees = random.Uniform(-5, 5);
        d.noiseSigma = random.Uniform(4, 10);
        d.blackAndWhite = random.Chance(0.5);
        d.jpegQuality = d.blackAndWhite ? 0 : 40 + random.Below(41);
        d.cornerSmudge = random.Chance(0.5);
        break;
    }
    return d;
}

SheetCode DrawCode(SyntheticRandom& random) {
    SheetCode code;
    code.bankPrefix = CorpusBankPrefix();
    code.variant = 1 + random.Below(4);
    code.seed = random.Bits();
    code.sheetId = QStringLiteral("5eed%1-%2")
                       .arg(random.Bits() % 0x10000, 4, 16, QLatin1Char('0'))
                       .arg(1 + random.Below(40), 2, 10, QLatin1Char('0'));
    if (random.Chance(0.5))
        code.student = Student{QStringLiteral("Десислава Петкова-Иванова"), QStringLiteral("7б"),
                               QString::number(1 + random.Below(30))};
    return code;
}

// A blank sheet's class number, one digit filled per column.
std::vector<std::vector<MarkKind>> DrawNumber(SyntheticRandom& random) {
    std::vector<std::vector<MarkKind>> columns(2, std::vector<MarkKind>(10, MarkKind::None));
    for (auto& column : columns)
        column[static_cast<std::size_t>(random.Below(10))] = MarkKind::Filled;
    return columns;
}

} // namespace

const char* DistortionName(Distortion distortion) {
    switch (distortion) {
    case Distortion::Clean:
        return "clean";
    case Distortion::Rotation:
        return "rotation 90/180/270";
    case Distortion::Skew:
        return "skew 1-5 deg";
    case Distortion::Resolution:
        return "150/200/300 dpi";
    case Distortion::Jpeg:
        return "JPEG q40-80";
    case Distortion::Noise:
        return "noise 6-14";
    case Distortion::BlackAndWhite:
        return "copier B/W";
    case Distortion::CornerSmudge:
        return "corner smudge";
    case Distortion::Copier:
        return "all at once";
    }
    return "?";
}

QString CorpusBankPrefix() {
    return QStringLiteral("c0ffee00d15ea5e5");
}

CorpusSheet DrawCorpusSheet(Distortion distortion, double dpi, std::uint32_t seed) {
    SyntheticRandom random(seed);
    CorpusSheet sheet;
    sheet.seed = seed;
    sheet.code = DrawCode(random);
    const int rows = 10 + random.Below(kSheetRows - 9);
    for (int row = 0; row < rows; ++row) {
        sheet.optionCounts.push_back(2 + random.Below(4));
        sheet.marks.rows.push_back(DrawRow(sheet.optionCounts.back(), random));
    }
    if (!sheet.code.student) sheet.marks.numberColumns = DrawNumber(random);
    const double resolutions[] = {150, 200, 300};
    sheet.dpi = distortion == Distortion::Resolution ? resolutions[random.Below(3)] : dpi;
    sheet.distortions = DrawDistortions(distortion, random);
    return sheet;
}

SyntheticScan MakeCorpusScan(const CorpusSheet& sheet) {
    const SheetContent content{QStringLiteral("История, 7. клас: Второто българско царство"),
                               sheet.code.variant, sheet.code, sheet.optionCounts};
    return MakeSyntheticScan(RenderSheet(content, sheet.dpi), sheet.dpi, sheet.marks,
                             sheet.distortions, sheet.seed ^ 0x9e3779b9u);
}

} // namespace vorn::test
