#pragma once
// Reading and writing a whole file in tests where a missing file must not
// read as an empty one.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace vorn {

// The file's bytes, or "(none)" when it cannot be opened.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace vorn
