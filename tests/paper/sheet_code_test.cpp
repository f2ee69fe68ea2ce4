// The QR code's text: a sheet's identity survives the round trip, and a text
// that is not a whole sheet code is never taken for one.

#include "paper/sheet_code.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

const QString kPrefix = QStringLiteral("0123456789abcdef");

TEST(SheetCode, ASheetsIdentityComesBackWhole) {
    const SheetCode cases[] = {
        {kPrefix, 1, 0, "3fa9c2e1-1", std::nullopt},
        {kPrefix, 26, 4294967295u, "00000000-9999",
         Student{QStringLiteral("Иван Петров-Стоянов"), QStringLiteral("8а"), "12"}},
        {kPrefix, 3, 77, "deadbeef-07",
         Student{QStringLiteral("Мария"), QStringLiteral("12в"), ""}},
    };
    for (const SheetCode& code : cases) {
        const auto read = ParseSheetCode(SheetCodeText(code));
        ASSERT_TRUE(read) << SheetCodeText(code).toStdString();
        EXPECT_EQ(*read, code);
    }
    EXPECT_EQ(BankPrefix(QString(64, u'a')), QString(16, u'a'));
}

TEST(SheetCode, AnythingElseIsNotASheet) {
    const QString good =
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 99\n3fa9c2e1-07\n12\n8а\nИван");
    ASSERT_TRUE(ParseSheetCode(good));
    const QString cases[] = {
        QStringLiteral("https://example.org/"),
        QStringLiteral("VORN-SHEET 2\n0123456789abcdef\n2 99\n3fa9c2e1-07\n\n\n"), // a later form
        QStringLiteral("VORN-SHEET 1\n0123456789ABCDEF\n2 99\n3fa9c2e1-07\n\n\n"), // upper case
        QStringLiteral("VORN-SHEET 1\n0123456789abcde\n2 99\n3fa9c2e1-07\n\n\n"),  // 15 digits
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n0 99\n3fa9c2e1-07\n\n\n"), // variant 0
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 -1\n3fa9c2e1-07\n\n\n"), // negative seed
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 4294967296\n3fa9c2e1-07\n\n\n"),
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2\n3fa9c2e1-07\n\n\n"),        // no seed
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 99\n3fa9c2e1\n\n\n"),        // no number
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 99\n3fa9c2e1-07\n\n8а\n"),   // no name
        QStringLiteral("VORN-SHEET 1\n0123456789abcdef\n2 99\n3fa9c2e1-07\n\n\nИван"), // no class
        good + u'\n',                             // a line too many
        good.left(good.size() - 1) + QChar(0x07), // a control character in the name
    };
    for (const QString& text : cases)
        EXPECT_FALSE(ParseSheetCode(text)) << text.toStdString();
}

} // namespace
} // namespace vorn
