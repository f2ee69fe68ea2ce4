#pragma once
// What an answer sheet tells the student, line by line: how to mark an
// answer so the scanner reads it, and how to take a mark back.

#include <QStringList>

namespace vorn {

QStringList SheetInstructions();

} // namespace vorn
