#pragma once
// Writing a file whole or not at all: the bytes go to a temporary file beside
// it, are synced to disk and then take the file's name in one step, so that a
// crash or a full disk never leaves half a file where the old one was.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorn {

// The problem, in Bulgarian and naming the file, when it could not be written.
std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes);

} // namespace vorn
