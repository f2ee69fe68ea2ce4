// libFuzzer target: any bytes as a results file, read line by line as the
// report reads one (records parsed and checked against themselves), then the
// figures and both reports over what was counted. It must never crash, hang
// or leak.

#include "results/results_reading.h"
#include "results/results_report.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    vorn::ReadResults read;
    vorn::ReadResultsDevice(buffer, QStringLiteral("f"), read);
    const std::vector<vorn::BankFigures> banks = vorn::FiguresByBank(read.records);
    (void)vorn::ReportText(banks);
    (void)vorn::ReportCsv(banks);
    return 0;
}
