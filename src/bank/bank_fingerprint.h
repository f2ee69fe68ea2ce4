#pragma once
// The fingerprint of a bank's content, so that results of different versions
// of a test are never mixed: the SHA-256 of the bank as a vorn-bank file of
// version 1, pictures named after the first question that shows their bytes;
// then, for a pool or a bank whose questions have ids, one line
// {"draw":N,"ids":[...]} (compact JSON, only the fields it has); then every
// picture's length and bytes. Where the bank was read from (GIFT or JSON,
// which file names its pictures) does not change it, nor does the publisher's
// address, which changes only the caption: the same test under a new address
// keeps its results together.

#include "bank_content.h"

#include <QString>

namespace vorn {

// 64 lower-case hexadecimal digits.
QString BankSha256(const BankContent& content);

} // namespace vorn
