#pragma once
// Where a password comes from on the command line: a file named with
// --password-file (for scripts and tests), or typed on the terminal without
// being shown. Never an argument's value: every user of the machine can read
// those in the process list.

#include "password_tries.h"
#include "secret_bytes.h"

#include <QString>
#include <variant>

namespace vorn {

// The password in the file's first line (its line end taken away); the file
// is read once, so a wrong one is not tried again. With an empty path, the
// terminal is asked, with each problem shown first.
PasswordAsker PasswordFrom(const QString& passwordFile);

// The password to lock a bank with: the file's, or typed twice on the
// terminal; or why there is none (a Bulgarian sentence).
std::variant<SecretBytes, QString> NewPassword(const QString& passwordFile);

// Why the password cannot lock a bank (too short), if it cannot.
std::optional<QString> WeakPassword(const SecretBytes& password);

} // namespace vorn
