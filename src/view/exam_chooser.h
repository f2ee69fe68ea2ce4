#pragma once
// The exam session's one question before the test when the lab's folder holds
// the exams: which of them. Only the names it is given are offered: no other
// folder can be reached from it, no file renamed or deleted, as a file dialog
// would allow.

#include <QString>
#include <QStringList>
#include <optional>

namespace vorn {

// The name chosen from `names` (not empty) with "Напред" or Enter, or none
// when the student closed the question with Esc.
std::optional<QString> ChooseExam(const QStringList& names);

} // namespace vorn
