#pragma once
// Where one student's exam journal is kept, and which copy the exam goes on
// from. The journal beside the results file is shared with every classmate
// who may write there, so it is a copy: the account keeps the last good
// journal in its own state folder too, and the lock that keeps two windows
// from one journal lives in this machine's private runtime folder, where no
// one else can plant or hold it. A file at either journal's path that does
// not authenticate is set aside (never deleted), and the exam goes on from
// the account's own last good state.

#include "exam_journal.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace vorn {

struct JournalPlace {
    QString shared; // beside the results file (JournalPath)
    QString own;    // the last good copy, in the account's state folder
    QString lock;   // in the machine's private runtime folder
    JournalKey key;
};

// The place of the journal whose shared copy is `sharedPath`, the account's
// folders and key made where missing; the problem, in Bulgarian, when not.
std::variant<JournalPlace, QString> PlaceJournal(const QString& sharedPath);

using JournalRead = std::variant<NoJournal, Journal, UnreadableJournal>;

// The journal to go on from, of the own copy and the shared one: the further
// along where both authenticate (the same account on two machines with one
// home), else the one that does. A file that does not authenticate is set
// aside, and what became of it is added to `told` (for standard error).
// Unreadable only when neither authenticates and one was there.
JournalRead FindJournal(const JournalPlace& place, QStringList& told);

// Sets both copies aside, for a journal that will not be used. The problem,
// in Bulgarian, when the own copy could not be moved; a shared copy that
// could not (a classmate's file in a sticky folder) is only told.
std::optional<QString> SetJournalAside(const JournalPlace& place, QStringList& told);

} // namespace vorn
