#pragma once
// Writes a bank as a "vorn-bank" file with its pictures: the pictures go into
// a folder beside the file named after it ("test.vorn.json" gets
// "test-pictures/"), one file per picture object, named after the first
// question that shows it ("q09.jpg"). Every file is written beside its name
// and put in place only once all are written; nothing is written through a
// link, the pictures' folder included.

#include "bank_content.h"
#include "platform/whole_file.h"
#include "secret_bytes.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace vorn {

// The folder of the pictures of the bank file at `path`, relative to its folder.
QString PictureFolderName(const QString& path);

// None when done; otherwise what failed and why.
std::optional<FileFailure> ExportBank(const BankContent& content, const QString& path);

// The bank locked with the password (locked_bank.h) as the one file at
// `path`, its pictures inside; no pictures' folder is written.
std::optional<FileFailure> ExportLockedBank(const BankContent& content, const QString& path,
                                            const SecretBytes& password);

// Each picture object of the bank once, in the order the questions first
// show it, named "q09.jpg" after the first question that does, inside
// `folder` unless it is empty.
struct NamedPictures {
    std::map<const PictureData*, QString> names;
    std::vector<Picture> pictures;
};
NamedPictures NamePictures(const BankContent& content, const QString& folder);

} // namespace vorn
