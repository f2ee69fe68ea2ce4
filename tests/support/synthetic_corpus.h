#pragma once
// The corpus of synthetic scans: sheets printed as the printer prints them,
// filled in by made-up students, each put through one kind of distortion (or
// all of them, as a tired copier does). The benchmark reads hundreds of them,
// the tests a handful.

#include "paper/sheet_code.h"
#include "synthetic_scan.h"

#include <cstdint>
#include <vector>

namespace vorn::test {

enum class Distortion {
    Clean,
    Rotation,      // a quarter, half or three-quarter turn
    Skew,          // 1-5 degrees either way
    Resolution,    // scanned at 150, 200 or 300 dpi instead
    Jpeg,          // quality 40-80
    Noise,         // 6-14 grey levels
    BlackAndWhite, // a copier's B/W mode
    CornerSmudge,  // a dark blob across a corner mark
    Copier,        // any turn, skew, noise, then JPEG or B/W, and often a smudge
};

inline constexpr Distortion kAllDistortions[] = {
    Distortion::Clean,         Distortion::Rotation,     Distortion::Skew,
    Distortion::Resolution,    Distortion::Jpeg,         Distortion::Noise,
    Distortion::BlackAndWhite, Distortion::CornerSmudge, Distortion::Copier};

const char* DistortionName(Distortion distortion);

// Everything one sample is made from.
struct CorpusSheet {
    SheetCode code; // a blank sheet (no student) half of the time
    std::vector<int> optionCounts;
    double dpi = 0;
    StudentMarks marks;
    ScanDistortions distortions;
    std::uint32_t seed = 0;
};

// The bank every corpus sheet claims to be of.
QString CorpusBankPrefix();

// Sample `seed` of a distortion, scanned at `dpi` unless the distortion is
// the resolution.
CorpusSheet DrawCorpusSheet(Distortion distortion, double dpi, std::uint32_t seed);

// Printed, filled in and scanned.
SyntheticScan MakeCorpusScan(const CorpusSheet& sheet);

} // namespace vorn::test
