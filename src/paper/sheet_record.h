#pragma once
// The record of a marked sheet: the variant's run answered as the sheet
// says and graded, as the window records a run, with its student and where
// it came from.

#include "record/result_record.h"
#include "run/attempt.h"
#include "sheet_code.h"
#include "sheet_reading.h"

#include <optional>
#include <vector>

namespace vorn {

// "file#page": where a page was read, as a record names it.
QString ScanText(const ScanSource& source);

// Who a sheet's record is of. A sheet printed from a class list names its
// student; a blank one only the class number its student marked, so the
// record names the number and the print ("№ 12, печат 3fa9c2e1"): the
// teacher matches numbers to names in the class register, and two classes
// printed apart never mix.
Student StudentOfSheet(const SheetCode& code, std::optional<int> classNumber);

// Which filled-in sheet a record is of, so that one scanned twice is
// recorded once: its sheet id and its student's number. A blank sheet is
// copied for a whole class, so its copies share the id and only the number
// the student marked tells them apart.
QString FilledSheetKey(const QString& sheetId, const QString& studentNumber);

// `run`: the variant's run, not answered; `answers`: per position the bubble
// marked, none for no answer. `facts.seed` is the variant's.
ResultRecord RecordOfSheet(Attempt run, const std::vector<std::optional<int>>& answers,
                           const RunFacts& facts, const Student& student,
                           const PaperOrigin& origin);

} // namespace vorn
