#pragma once
// What the teacher asks of paper tests on the command line: printing
// variants, marking scans of their sheets, and recording the sheets a person
// has decided.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace vorn {

inline constexpr int kMaxVariants = 26;

// --print BANK --variants N [--class-list FILE] [--seed S] --output DIR
struct PrintRequest {
    QString bank;
    int variants = 1;
    QString classList;                 // one student per line; none: blank sheets
    std::optional<std::uint32_t> seed; // the same seed prints the same variants
    QString output;                    // the folder of variants.pdf, sheets.pdf, key.pdf
    QString passwordFile;              // a locked bank's password; none: asked on the terminal
};

// --scan FILES... --bank BANK --results RESULTS [--output REVIEW.html]
struct ScanRequest {
    QStringList files; // PNG, JPEG, TIFF or PDF
    QString bank;
    QString results;
    QString review; // where the review page goes when there is no display
    QString passwordFile;
};

// --scan-decide FILE --bank BANK --results RESULTS
struct ScanDecideRequest {
    QString decisions; // the review's file, with the teacher's decisions
    QString bank;
    QString results;
    QString passwordFile;
};

} // namespace vorn
