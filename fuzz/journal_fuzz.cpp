// libFuzzer target: any bytes as an exam journal, as a start reads one from
// the results folder, and the run it holds taken up over the shipped test and
// over a pool drawn from it. It must never crash, hang or leak.

#include "journal_take_up.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = vorn::JournalFromBytes(bytes);
    if (const auto* journal = std::get_if<vorn::Journal>(&read)) vorn::fuzz::TakeUp(*journal);
    return 0;
}
