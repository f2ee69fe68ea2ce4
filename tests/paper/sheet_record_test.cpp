// Whom a marked sheet's record names: the printed student, else the number
// marked and the print (the grading is checked by the paper round trip).

#include "bank/bank_fingerprint.h"
#include "paper/sheet_marking.h"
#include "paper/sheet_record.h"
#include "support/test_banks.h"

#include <gtest/gtest.h>

using namespace vorn;

TEST(SheetRecord, ABlankSheetNamesTheNumberAndThePrint) {
    SheetCode code{QString(16, u'a'), 2, 5, "3fa9c2e1-07", std::nullopt};
    EXPECT_EQ(StudentOfSheet(code, 12), (Student{"№ 12, печат 3fa9c2e1", "", "12"}));
    code.student = Student{"Иван Петров", "7б", "3"};
    EXPECT_EQ(StudentOfSheet(code, 12), (Student{"Иван Петров", "7б", "3"}))
        << "a printed name wins over bubbles";
    EXPECT_EQ(ScanText({"клас/7б.pdf", 3}), "клас/7б.pdf#3");
}
