// libFuzzer target: any bytes as a Moodle XML export, then the checks every
// bank goes through. It must never crash, hang, leak or read a file.

#include "bank/bank_check.h"
#include "bank/moodle_xml_import.h"
#include "platform/headless_gui.h"

#include <cstddef>
#include <cstdint>

// The bank's HTML is laid out as the player's commands lay it out.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const vorn::HeadlessGui gui;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vorn::LoadedBank bank = vorn::ImportMoodleXml(xml, QStringLiteral("f.xml"));
    for (const vorn::BankIssue& issue : vorn::AllIssues(bank))
        (void)vorn::FormatIssue(QStringLiteral("f"), issue);
    return 0;
}
