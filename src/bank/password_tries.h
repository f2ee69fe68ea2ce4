#pragma once
// Opening a locked bank (locked_bank.h) with the password a person types:
// three tries, each wrong one told before the next; then the bank is refused.
// A damaged file is refused at once, without asking.

#include "loaded_bank.h"
#include "secret_bytes.h"

#include <QString>
#include <functional>
#include <variant>

namespace vorn {

inline constexpr int kPasswordTries = 3;

// A password, or why none comes (cancelled, a file that cannot be read, no
// terminal), a Bulgarian sentence.
using PasswordAnswer = std::variant<SecretBytes, QString>;
// Asks for the password; `problem` is empty the first time, else why the last
// one failed.
using PasswordAsker = std::function<PasswordAnswer(const QString& problem)>;

// The bank inside the locked file's bytes, or a refusal naming why: damage,
// no password given, or the last of the tries wrong.
LoadedBank OpenLockedBank(const QByteArray& file, const PasswordAsker& ask);

// Whether the file at `path` is a locked bank (by its first bytes).
bool IsLockedBankFile(const QString& path);

} // namespace vorn
