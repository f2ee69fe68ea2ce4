// A file written beside its target in a folder others may write: whatever
// another puts under its temporary name before it takes the target's name is
// never put in place, and is left where it is.

#include "platform/whole_file.h"

#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

// Catches: a file or link a classmate puts at the temporary name (found by
// watching the folder) taking the target's name as if it were the writer's;
// a temporary name that can be guessed; what the classmate put there deleted.
TEST(AsideFile, WhatAnotherPutsAtItsNameIsNeverPutInPlace) {
    const struct {
        const char* what;
        const char* planted; // "file", "link", "gone", or "": nothing done
    } cases[] = {{"nothing done", ""},
                 {"a file of the classmate's", "file"},
                 {"a link to a file of the writer's", "link"},
                 {"the file taken away", "gone"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString target = dir.filePath("journal");
        const QString mine = dir.filePath("mine.txt");
        WriteFileBytes(target, "old");
        WriteFileBytes(mine, "мои бележки");
        auto folder = OutputFolder::Holding(target);
        ASSERT_TRUE(std::holds_alternative<OutputFolder>(folder));
        auto aside = WriteAside(std::get<OutputFolder>(folder), "journal", "new");
        ASSERT_TRUE(std::holds_alternative<AsideFile>(aside));
        const QStringList named =
            QDir(dir.path()).entryList({".vorn-*"}, QDir::Hidden | QDir::Files);
        ASSERT_EQ(named.size(), 1);
        EXPECT_TRUE(QRegularExpression("^\\.vorn-[0-9a-f]{16}\\.part$").match(named[0]).hasMatch())
            << named[0].toStdString();
        const QString temporary = dir.filePath(named[0]);
        const QByteArray planted(c.planted);
        const bool removed = planted.isEmpty() || QFile::remove(temporary);
        ASSERT_TRUE(removed);
        if (planted == "file") WriteFileBytes(temporary, "planted");
        const bool linked = planted != "link" || QFile::link(mine, temporary);
        ASSERT_TRUE(linked);

        const auto failed = std::get<AsideFile>(aside).putInPlace();
        EXPECT_EQ(failed.has_value(), !planted.isEmpty());
        EXPECT_EQ(FileBytes(target), planted.isEmpty() ? "new" : "old");
        EXPECT_EQ(FileBytes(mine), "мои бележки");
        EXPECT_EQ(QFileInfo(temporary).isSymLink() || QFile::exists(temporary),
                  planted == "file" || planted == "link")
            << "what the classmate put there stays, for the teacher to see";
    }
}
