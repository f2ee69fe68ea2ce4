#pragma once
// A class list for printing named answer sheets: UTF-8 text, one student a
// line as "номер;име;клас" (a tab or a comma may stand for the semicolon, as
// spreadsheets save them). Blank lines, a UTF-8 BOM, Windows line ends and
// one header line at the top are allowed.

#include "record/student.h"

#include <QByteArray>
#include <QStringList>
#include <variant>
#include <vector>

namespace vorn {

// The class number a blank sheet's bubbles can hold: two digits.
inline constexpr int kMaxClassNumber = 99;

// The students in the list's order, or every problem found, one Bulgarian
// sentence each naming its line.
std::variant<std::vector<Student>, QStringList> ReadClassList(const QByteArray& bytes);

} // namespace vorn
