#pragma once
// The test compiled into the program.

#include "bank/bank_content.h"

namespace vorn {

BankContent ShippedBank();

// The settings and the author note every bank of this program starts from.
BankSettings ShippedSettings();
QString AuthorNote();

} // namespace vorn
