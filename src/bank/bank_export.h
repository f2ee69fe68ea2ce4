#pragma once
// Writes a bank as a "vorn-bank" file with its pictures: the pictures go into
// a folder beside the file named after it ("test.vorn.json" gets
// "test-pictures/"), one file per picture object, named after the first
// question that shows it ("q09.jpg"). Every file is written whole or not at
// all.

#include "bank_content.h"

#include <QString>
#include <optional>

namespace vorn {

// The folder of the pictures of the bank file at `path`, relative to its folder.
QString PictureFolderName(const QString& path);

// None when done; otherwise what failed, naming the file.
std::optional<QString> ExportBank(const BankContent& content, const QString& path);

} // namespace vorn
