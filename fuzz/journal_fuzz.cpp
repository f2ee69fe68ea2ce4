// libFuzzer target: any bytes as an exam journal, as a start reads one from
// the results folder, and the run it holds taken up over the shipped test and
// over a pool drawn from it. It must never crash, hang or leak.

#include "exam/exam_start.h"
#include "shipped/shipped_bank.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vorn::BankContent shipped = vorn::ShippedBank();
    static const vorn::BankContent pool = [] {
        vorn::BankContent content = vorn::ShippedBank();
        content.draw = 5;
        return content;
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = vorn::JournalFromBytes(bytes);
    if (const auto* journal = std::get_if<vorn::Journal>(&read)) {
        for (const auto counted : {vorn::AttemptsCounted::All, vorn::AttemptsCounted::Graded}) {
            const vorn::ExamFacts facts{.program = journal->program,
                                        .bankSha256 = journal->bankSha256,
                                        .student = journal->student,
                                        .attempts = 2,
                                        .counted = counted};
            for (const vorn::BankContent* bank : {&shipped, &pool})
                (void)vorn::DecideExamStart(*journal, *bank, facts);
        }
    }
    return 0;
}
