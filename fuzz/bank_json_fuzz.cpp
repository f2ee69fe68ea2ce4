// libFuzzer target: any bytes as a bank file in the "vorn-bank" format, then
// the checks every bank goes through. It must never crash, hang or leak.

#include "bank/bank_check.h"
#include "bank/bank_json.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Every picture name reads as missing: decoding pictures is the image
    // library's business, the names and the rest are ours.
    const vorn::LoadedBank bank = vorn::ReadBankJson(
        json, [](const QString&) { return vorn::PictureResult(QStringLiteral("липсва")); });
    for (const vorn::BankIssue& issue : vorn::AllIssues(bank))
        (void)vorn::FormatIssue(QStringLiteral("f"), issue);
    return 0;
}
