#pragma once
// --make-exam-keys: the teacher's key pair for sealed records.

#include <QString>
#include <QTextStream>

namespace vorn {

// Writes exam.pub and exam.secret in `folder`, never over a key that is there.
// kExitOk, or kExitRefused with the reason on `err`.
int MakeExamKeysCommand(const QString& folder, QTextStream& out, QTextStream& err);

} // namespace vorn
