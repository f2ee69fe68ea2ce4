#pragma once
// The fingerprint of a bank's content, so that results of different versions
// of a test are never mixed: the SHA-256 of the bank as a vorn-bank file,
// pictures named after the first question that shows their bytes, followed by
// every picture's bytes. Where the bank was read from (GIFT or JSON, which
// file names its pictures) does not change it.

#include "bank_content.h"

#include <QString>

namespace vorn {

// 64 lower-case hexadecimal digits.
QString BankSha256(const BankContent& content);

} // namespace vorn
