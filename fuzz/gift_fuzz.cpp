// libFuzzer target: any bytes as a GIFT file, through the UTF-8 check, the
// importer and the checks every bank goes through. It must never crash, hang
// or leak; the UTF-8 check must agree with Qt's own decoder.

#include "bank/bank_check.h"
#include "bank/gift_import.h"
#include "bank/text_place.h"
#include "platform/headless_gui.h"

#include <QStringDecoder>
#include <cstddef>
#include <cstdint>

// The bank's HTML is laid out as the player's commands lay it out.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const vorn::HeadlessGui gui;
    return 0;
}

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
    const vorn::LoadedBank bank = vorn::ImportGift(text, QStringLiteral("fuzz.gift"));
    for (const vorn::BankIssue& issue : vorn::AllIssues(bank))
        (void)vorn::FormatIssue(QStringLiteral("fuzz.gift"), issue);
    return 0;
}
