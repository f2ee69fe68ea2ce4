#pragma once
// The exam file (.vorn-exam): an exam's settings in one small JSON file, so
// that the lab's machines open it instead of having a long line typed on each.
// Its paths are relative to the file's own folder, so the folder can be copied
// whole. Reading is strict: anything but what the writer makes is refused with
// the reason, never taken in part.

#include "command_line.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>

namespace vorn {

inline constexpr qint64 kExamFileMaxBytes = 64 * 1024; // a real one is a few hundred

// Whether `path` names an exam file, by its ending.
bool IsExamFileName(const QString& path);

// The file's bytes for the exam `line` sets out (a --make-exam line), its
// paths written relative to the folder of `examFile`; `bankLocked` when its
// bank is locked with a password, so that the player asks for it.
QByteArray ExamFileBytes(const CommandLine& line, const QString& examFile, bool bankLocked);

// The options the file holds, as if typed (--exam among them), its paths
// resolved against `folder`; or what is wrong with it, in Bulgarian.
std::variant<QStringList, QString> ExamFileArguments(const QByteArray& bytes,
                                                     const QString& folder);

} // namespace vorn
