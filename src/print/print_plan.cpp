#include "print_plan.h"

#include "bank/bank_fingerprint.h"
#include "paper/sheet_code.h"

namespace vorn {

PrintPlan PlanPrint(const BankContent& bank, const QString& bankTitle,
                    const std::vector<Student>& students, int variantCount, std::uint32_t printSeed,
                    std::uint32_t printId) {
    PrintPlan plan{bankTitle,
                   BankPrefix(BankSha256(bank)),
                   printSeed,
                   QStringLiteral("%1").arg(printId, 8, 16, QChar(u'0')),
                   DrawVariants(bank, printSeed, variantCount),
                   {}};
    const int sheets = students.empty() ? variantCount : static_cast<int>(students.size());
    for (int index = 0; index < sheets; ++index) {
        PrintedSheet sheet{index + 1, index % variantCount + 1, std::nullopt};
        if (!students.empty()) sheet.student = students[static_cast<std::size_t>(index)];
        plan.sheets.push_back(sheet);
    }
    return plan;
}

std::vector<int> OptionCounts(const Attempt& run) {
    std::vector<int> counts;
    for (int position = 0; position < run.questionCount(); ++position)
        counts.push_back(run.optionCount(run.questionAt(position)));
    return counts;
}

SheetContent SheetOf(const PrintPlan& plan, const PrintedSheet& sheet) {
    const PaperVariant& variant = plan.variants.at(static_cast<std::size_t>(sheet.variant - 1));
    const SheetCode code{plan.bankPrefix, variant.number, variant.seed,
                         plan.printId + u'-' + QString::number(sheet.number), sheet.student};
    return {plan.bankTitle, variant.number, code, OptionCounts(variant.run)};
}

} // namespace vorn
