#include "sheet_code.h"

#include <QRegularExpression>
#include <QStringList>

namespace vorn {

namespace {

const QString kHeader = QStringLiteral("VORN-SHEET 1");

bool IsHex(const QString& text, int digits) {
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]+$"));
    return text.size() == digits && hex.match(text).hasMatch();
}

bool IsSheetId(const QString& text) {
    static const QRegularExpression id(QStringLiteral("^[0-9a-f]{8}-[0-9]{1,4}$"));
    return id.match(text).hasMatch();
}

} // namespace

QString BankPrefix(const QString& bankSha256) {
    return bankSha256.left(kBankPrefixDigits);
}

QString SheetCodeText(const SheetCode& code) {
    const Student student = code.student.value_or(Student{});
    return QStringList{kHeader,
                       code.bankPrefix,
                       QString::number(code.variant) + u' ' + QString::number(code.seed),
                       code.sheetId,
                       student.number,
                       student.className,
                       student.name}
        .join(u'\n');
}

std::optional<SheetCode> ParseSheetCode(const QString& text) {
    const QStringList lines = text.split(u'\n');
    if (lines.size() != 7 || lines[0] != kHeader) return std::nullopt;
    SheetCode code;
    code.bankPrefix = lines[1];
    if (!IsHex(code.bankPrefix, kBankPrefixDigits)) return std::nullopt;
    const QStringList variant = lines[2].split(u' ');
    bool variantOk = false, seedOk = false;
    if (variant.size() != 2) return std::nullopt;
    code.variant = variant[0].toInt(&variantOk);
    code.seed = variant[1].toUInt(&seedOk);
    if (!variantOk || !seedOk || code.variant < 1) return std::nullopt;
    code.sheetId = lines[3];
    if (!IsSheetId(code.sheetId)) return std::nullopt;
    const Student student{lines[6], lines[5], lines[4]};
    if (student != Student{}) {
        if (StudentProblem(Trimmed(student))) return std::nullopt;
        code.student = Trimmed(student);
    }
    return code;
}

} // namespace vorn
