// libFuzzer target: any bytes as a results file, read line by line as the
// report reads one (records parsed and checked against themselves), then the
// figures and every report over what was counted. It must never crash, hang
// or leak.

#include "record/results_reading.h"
#include "report/results_report.h"
#include "report/results_tally.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    vorn::ReadResults read;
    vorn::ResultsTally tally({});
    vorn::ReadResultsDevice(buffer, QStringLiteral("f"), read,
                            [&tally](const vorn::ResultRecord& record,
                                     const vorn::RecordPlace& place) { tally.add(record, place); });
    const std::vector<vorn::BankFigures> banks = tally.figures();
    (void)vorn::ReportText(banks);
    (void)vorn::ReportHtml(banks);
    for (const vorn::Table& table : vorn::ReportTables(banks))
        (void)vorn::TableCsv(table);
    return 0;
}
