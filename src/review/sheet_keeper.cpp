#include "sheet_keeper.h"

#include "paper/sheet_record.h"
#include "platform/login_name.h"
#include "record/results_file.h"

#include <QDateTime>
#include <QSysInfo>

namespace vorn {

SheetKeeper::SheetKeeper(const BankContent& bank, QString bankSha256, QString resultsPath)
    : sha256_(std::move(bankSha256)), results_(std::move(resultsPath)), runs_(bank),
      recorded_(results_, sha256_) {}

bool SheetKeeper::recorded(const OpenSheet& sheet) const {
    const auto key = sheet.key();
    return key && recorded_.has(*key);
}

void SheetKeeper::keep(const OpenSheet& sheet, ScanCounts& counts, QTextStream& out,
                       QTextStream& err) {
    const QString& id = sheet.code.sheetId;
    if (recorded(sheet)) {
        ++counts.already;
        out << QStringLiteral("листът %1 вече е записан: %2\n")
                   .arg(id, SheetCaption(sheet.code, sheet.source));
        return;
    }
    const RunFacts facts{.time = QDateTime::currentDateTimeUtc(),
                         .user = LoginName(),
                         .host = QSysInfo::machineHostName(),
                         .program = QStringLiteral(VORN_VERSION),
                         .bankSha256 = sha256_,
                         .seed = sheet.code.seed};
    const Student student = sheet.student().value(); // keep() takes complete sheets
    const ResultRecord record =
        RecordOfSheet(runs_.of(sheet.code.seed), sheet.answers(), facts, student,
                      PaperOrigin{sheet.code.variant, id, ScanText(sheet.source)});
    if (const auto failed = AppendRecordLine(results_, RecordLine(record))) {
        ++counts.failed;
        err << "vorn-player: "
            << QStringLiteral("листът %1 не е записан в „%2“: %3\n").arg(id, results_, *failed);
        return;
    }
    recorded_.add(FilledSheetKey(id, student.number));
    ++counts.recorded;
}

QString ScanSummary(const ScanCounts& counts) {
    QString summary = QStringLiteral("записани: %1, вече записани: %2, за преглед: %3, "
                                     "нечетливи: %4")
                          .arg(counts.recorded)
                          .arg(counts.already)
                          .arg(counts.toReview)
                          .arg(counts.unreadable);
    if (counts.failed > 0) summary += QStringLiteral(", незаписани: %1").arg(counts.failed);
    return summary + u'\n';
}

} // namespace vorn
