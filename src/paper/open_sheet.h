#pragma once
// A sheet a person has to finish: what its code says, where it was scanned,
// and its rows as marked, the open ones with why.

#include "sheet_marking.h"

#include <optional>
#include <vector>

namespace vorn {

struct OpenSheet {
    SheetCode code;
    ScanSource source;
    std::vector<RowMark> rows;
    std::optional<NumberMark> number; // a blank sheet's
    bool operator==(const OpenSheet&) const = default;

    bool complete() const;
    // Per position the answer, once complete.
    std::vector<std::optional<int>> answers() const;
    // Whose sheet it is (StudentOfSheet), once a blank sheet's number is
    // known; none before.
    std::optional<Student> student() const;
    // FilledSheetKey of that student; none while a blank sheet's number is open.
    std::optional<QString> key() const;
};

// "Иван Петров, 7б № 12 · вариант 2 · лист 3fa9c2e1-07 · class.pdf, стр. 3":
// how a person finds the sheet in the pile.
QString SheetCaption(const SheetCode& code, const ScanSource& source);

// A letter a person types or writes for a bubble: A-E, also as the
// Cyrillic letters on those keys or of that look (А Б В Ц С Д Е); none for
// anything else.
std::optional<int> SlotOfLetter(QChar letter);

} // namespace vorn
