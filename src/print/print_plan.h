#pragma once
// What one print holds: the variants drawn from its seed, and the answer
// sheets, each with its variant, its id and its student. Everything the
// three PDF files show comes from here, so that a print can be made again
// from its seed.

#include "paper/paper_variant.h"
#include "record/student.h"
#include "sheet_painter.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorn {

struct PrintedSheet {
    int number = 0;  // 1-based, in print order
    int variant = 0; // 1-based
    std::optional<Student> student;
};

struct PrintPlan {
    QString bankTitle;
    QString bankPrefix;
    std::uint32_t printSeed = 0;
    QString printId; // 8 hex digits, the first part of every sheet's id
    std::vector<PaperVariant> variants;
    std::vector<PrintedSheet> sheets;
};

// A class list gives one sheet per student, its variants taken in turn down
// the list so that neighbours in it get different ones; without a list,
// one blank sheet per variant, for the teacher to copy.
PrintPlan PlanPrint(const BankContent& bank, const QString& bankTitle,
                    const std::vector<Student>& students, int variantCount, std::uint32_t printSeed,
                    std::uint32_t printId);

// The answer sheet `sheet` of the plan, ready to paint.
SheetContent SheetOf(const PrintPlan& plan, const PrintedSheet& sheet);

// The number of rows a variant's sheet needs: one per position.
std::vector<int> OptionCounts(const Attempt& run);

} // namespace vorn
