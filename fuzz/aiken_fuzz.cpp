// libFuzzer target: any bytes as an Aiken file, through the UTF-8 check, the
// importer and the checks every bank goes through. It must never crash, hang
// or leak; the UTF-8 check must agree with Qt's own decoder.

#include "bank/aiken_import.h"
#include "bank/bank_check.h"
#include "bank/text_place.h"

#include <QStringDecoder>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    const auto invalid = vorn::FirstInvalidUtf8(bytes);
    if (invalid.has_value() != decoder.hasError()) __builtin_trap();
    if (invalid) {
        const auto [line, column] = vorn::PlaceOf(bytes, *invalid);
        if (line < 1 || column < 1) __builtin_trap();
        return 0;
    }
    (void)vorn::LooksLikeAiken(text);
    const vorn::LoadedBank bank = vorn::ImportAiken(text, QStringLiteral("fuzz.txt"));
    for (const vorn::BankIssue& issue : vorn::AllIssues(bank))
        (void)vorn::FormatIssue(QStringLiteral("fuzz.txt"), issue);
    return 0;
}
