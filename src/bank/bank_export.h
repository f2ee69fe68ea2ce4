#pragma once
// Writes a bank as a "vorn-bank" file with its pictures: the pictures go into
// a folder beside the file named after it ("test.vorn.json" gets
// "test-pictures/"), one file per picture object, named after the first
// question that shows it ("q09.jpg"). Every file is written beside its name
// and put in place only once all are written; nothing is written through a
// link, the pictures' folder included.

#include "bank_content.h"
#include "platform/whole_file.h"

#include <QString>
#include <optional>

namespace vorn {

// The folder of the pictures of the bank file at `path`, relative to its folder.
QString PictureFolderName(const QString& path);

// None when done; otherwise what failed and why.
std::optional<FileFailure> ExportBank(const BankContent& content, const QString& path);

} // namespace vorn
