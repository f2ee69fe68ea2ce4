// libFuzzer target: any bytes as a locked bank's file (its header, lengths
// and closing hash), and as the bank and pictures found inside one once
// opened. It must never crash, hang or leak. No key is derived: a file that
// passes every check before it would need its closing hash forged.

#include "bank/bank_bundle.h"
#include "bank/bank_check.h"
#include "bank/locked_bank.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)vorn::LockedBankDamage(bytes);
    const vorn::LoadedBank bank = vorn::ReadBundledBank(bytes);
    for (const vorn::BankIssue& issue : vorn::AllIssues(bank))
        (void)vorn::FormatIssue(QStringLiteral("f"), issue);
    return 0;
}
