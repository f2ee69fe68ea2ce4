#pragma once
// What the QR code of an answer sheet says: whose sheet it is, of which
// variant of which bank. A text of lines, UTF-8 in the code:
//
//   VORN-SHEET 1
//   <the first 16 hex digits of the bank's fingerprint>
//   <variant number, 1-based> <the variant's seed>
//   <sheet id: 8 hex digits of the print, "-", the sheet's number>
//   <class number, may be empty>
//   <class, may be empty>
//   <name, may be empty>
//
// A sheet printed from a class list carries its student; a blank one leaves
// the last three lines empty and the student fills in the number bubbles.

#include "record/student.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vorn {

inline constexpr int kBankPrefixDigits = 16;

struct SheetCode {
    QString bankPrefix; // kBankPrefixDigits lower-case hex digits
    int variant = 0;    // 1-based
    std::uint32_t seed = 0;
    QString sheetId;                // "3fa9c2e1-07": unique to one printed sheet
    std::optional<Student> student; // from the class list; none on a blank sheet

    bool operator==(const SheetCode&) const = default;
};

// The fingerprint's prefix a sheet of that bank carries.
QString BankPrefix(const QString& bankSha256);

QString SheetCodeText(const SheetCode& code);
// None for a text that is not a sheet's code (another QR code, a damaged
// one): never a guess.
std::optional<SheetCode> ParseSheetCode(const QString& text);

} // namespace vorn
