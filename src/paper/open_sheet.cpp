#include "open_sheet.h"

#include "sheet_record.h"

#include <algorithm>
#include <functional>

namespace vorn {

bool OpenSheet::complete() const {
    return std::none_of(rows.begin(), rows.end(), std::mem_fn(&RowMark::open)) &&
           !(number && number->open());
}

std::vector<std::optional<int>> OpenSheet::answers() const {
    std::vector<std::optional<int>> answers;
    for (const RowMark& row : rows)
        answers.push_back(row.slot);
    return answers;
}

std::optional<Student> OpenSheet::student() const {
    if (code.student) return code.student;
    if (!number || number->open()) return std::nullopt;
    return StudentOfSheet(code, number->number);
}

std::optional<QString> OpenSheet::key() const {
    const auto who = student();
    if (!who) return std::nullopt;
    return FilledSheetKey(code.sheetId, who->number);
}

QString SheetCaption(const SheetCode& code, const ScanSource& source) {
    const QString who =
        code.student ? StudentCaption(*code.student) : QStringLiteral("празен лист");
    return QStringLiteral("%1 · вариант %2 · лист %3 · %4, стр. %5")
        .arg(who, QString::number(code.variant), code.sheetId, source.file,
             QString::number(source.page));
}

std::optional<int> SlotOfLetter(QChar letter) {
    // Latin, the Bulgarian phonetic keys, and the Cyrillic look-alikes.
    static const QString letters[] = {QStringLiteral("AА"), QStringLiteral("BБВ"),
                                      QStringLiteral("CЦС"), QStringLiteral("DД"),
                                      QStringLiteral("EЕ")};
    const QChar upper = letter.toUpper();
    for (int slot = 0; slot < 5; ++slot)
        if (letters[slot].contains(upper)) return slot;
    return std::nullopt;
}

} // namespace vorn
