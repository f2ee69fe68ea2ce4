#pragma once
// Reading a small file whole (a configuration, an exam file): only a regular
// file, never more than a cap, and why not in Bulgarian.

#include <QByteArray>
#include <QString>
#include <variant>

namespace vorn {

// The file's bytes, at most `maxBytes`, or why they cannot be read (a
// sentence without the file's name).
std::variant<QByteArray, QString> ReadSmallFile(const QString& path, qint64 maxBytes);

} // namespace vorn
