#include "sheet_record.h"

#include "record/run_record.h"

namespace vorn {

QString ScanText(const ScanSource& source) {
    return source.file + u'#' + QString::number(source.page);
}

Student StudentOfSheet(const SheetCode& code, std::optional<int> classNumber) {
    if (code.student) return *code.student;
    const QString number = classNumber ? QString::number(*classNumber) : QString();
    const QString print = code.sheetId.section(u'-', 0, 0);
    return {QStringLiteral("№ %1, печат %2").arg(number, print), QString(), number};
}

QString FilledSheetKey(const QString& sheetId, const QString& studentNumber) {
    return sheetId + u'/' + studentNumber;
}

ResultRecord RecordOfSheet(Attempt run, const std::vector<std::optional<int>>& answers,
                           const RunFacts& facts, const Student& student,
                           const PaperOrigin& origin) {
    for (int p = 0; p < run.questionCount(); ++p) {
        const auto index = static_cast<std::size_t>(p);
        if (index < answers.size() && answers[index]) run.choose(*answers[index]);
        run.moveForward();
    }
    run.gradeNow();
    ResultRecord record = RecordOfRun(run, facts);
    record.student = student;
    record.paper = origin;
    return record;
}

} // namespace vorn
