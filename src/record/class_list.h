#pragma once
// A teacher's class list, for named answer sheets and for the students an
// exam lets choose from: text, one student a line as "номер;име;клас" (a tab
// or a comma may stand for the semicolon, as spreadsheets save them). Blank
// lines, a UTF-8 BOM, Windows line ends and one header line at the top are
// allowed. Bulgarian saved as windows-1251 is read, with a warning.

#include "record/student.h"

#include <QByteArray>
#include <QStringList>
#include <variant>
#include <vector>

namespace vorn {

// The class number a blank sheet's bubbles can hold: two digits.
inline constexpr int kMaxClassNumber = 99;

struct ClassList {
    std::vector<Student> students; // in the list's order
    QString warning;               // Bulgarian; empty: none
};

// The list, or every problem found, one Bulgarian sentence each naming its
// line. A number is given once in a class; two namesakes with their own
// numbers are two students.
std::variant<ClassList, QStringList> ReadClassList(const QByteArray& bytes);

// The list in a file of at most 1 MiB, or why not, in one Bulgarian line
// that names the file.
std::variant<ClassList, QString> ReadClassListFile(const QString& path);

} // namespace vorn
