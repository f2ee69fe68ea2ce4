#pragma once
// The key an account's exam journals are authenticated with: 32 random bytes
// in the account's own state folder (own_folder.h), readable by that account
// alone. A journal whose MAC does not fit was not written by this account's
// player, and is never taken up: a classmate with write access to the shared
// folder cannot plant, copy or edit a journal that resumes. Whoever can read
// this account's files (the account itself, root) can still forge one; in
// the lab the exam runs under an account of its own whose files the
// students' everyday logins cannot read.

#include <QByteArray>
#include <QString>
#include <array>
#include <variant>

namespace vorn {

struct JournalKey {
    std::array<unsigned char, 32> bytes{};
};

// folder/journal.key, made where missing (exclusively, mode 0600, never
// through a link, put in place whole so that two players starting at once
// share one). The problem, in Bulgarian, when there is no key to be had.
std::variant<JournalKey, QString> AccountJournalKey(const QString& folder);

// The MAC of a journal's text, as hexadecimal digits.
QByteArray JournalMac(const QByteArray& text, const JournalKey& key);
// Whether `macHex` is the MAC of `text`, compared in constant time.
bool JournalMacFits(const QByteArray& text, const QByteArray& macHex, const JournalKey& key);

} // namespace vorn
