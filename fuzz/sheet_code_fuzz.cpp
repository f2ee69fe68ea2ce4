// libFuzzer target: any bytes as the text of a QR code read from a scanned
// sheet. A text that reads as a sheet's code must print back (as the sheet's
// QR code is printed) to a text that reads as the very same code, or a sheet
// would be marked under another student, variant or bank than it was printed
// for.

#include "paper/sheet_code.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<vorn::SheetCode> code = vorn::ParseSheetCode(text);
    if (!code) return 0;
    const std::optional<vorn::SheetCode> again = vorn::ParseSheetCode(vorn::SheetCodeText(*code));
    if (!again || *again != *code) std::abort();
    return 0;
}
