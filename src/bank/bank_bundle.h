#pragma once
// A bank and its pictures as one run of bytes: what a locked bank keeps inside
// its encryption (locked_bank.h), so that its pictures are as hidden as its
// texts. After the line "vorn-bank-bundle 1\n" come entries, each a name and
// its bytes, every length 4 bytes little-endian:
//
//   <name length> <name, UTF-8> <bytes length> <bytes>
//
// The first entry has no name and holds the bank's JSON (bank_json.h); each
// other is a picture under the name that JSON gives it. Reading is strict: a
// length past the end, a name twice or bytes after the last entry refuse it.

#include "bank_content.h"
#include "loaded_bank.h"

#include <QByteArray>

namespace vorn {

QByteArray BundleBank(const BankContent& content);

// The bank as its file would read, or a refusal with the reason.
LoadedBank ReadBundledBank(const QByteArray& bundle);

} // namespace vorn
