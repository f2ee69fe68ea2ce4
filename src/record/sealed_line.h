#pragma once
// A record sealed to the teacher: the record's JSON, after the hash of the
// line before it in the file, in a sealed box to the exam's public key
// (anyone with the public key can seal, only the secret key opens), as one
// line of the results file:
//
//   vorn-sealed 1 <key id, 16 hex> <student tag, 64 hex> <base64 box>
//
// The student tag is a keyed hash of the student and the bank, so that a
// player can count a student's attempts without the name in clear; its key
// is derived from the exam's public key, so that tags of one exam do not
// match another's. Whoever holds the public key and knows a name can work
// out that name's tag: it hides names from a glance, not from a classmate
// who tries the names of the class.
//
// The hash inside the box chains the file: a record removed, changed or moved
// breaks the link of the sealed record after it, and no one without the
// secret key can mend that link.
//
// Opening only turns a line into the JSON text of a record; reading the JSON
// is the record's own business (result_record.h).

#include "exam_keys.h"
#include "result_record.h"

#include <QByteArray>
#include <optional>

namespace vorn {

// The link to the line before, as the writer saw it: the hash of that line,
// the start of the file, or unknown (the writer could not read the file).
QByteArray ChainLink(const std::optional<QByteArray>& lineBefore);

// Whose record a tag stands for. An abandoned attempt has a tag of its own,
// so that an exam where only graded attempts count can count them sealed.
struct TaggedAttempt {
    Student student;
    KnownBy knownBy = KnownBy::Name;
    QString bankSha256;
    bool abandoned = false;
};
QByteArray StudentTag(const ExamPublicKey& key, const TaggedAttempt& attempt);

// The tag of the record's student (StudentIdentity, or the login where no
// student was asked) on the record's bank.
QByteArray StudentTagOf(const ExamPublicKey& key, const ResultRecord& record);

// The sealed line, without its newline.
QByteArray SealedLine(const QByteArray& recordJson, const ExamPublicKey& key,
                      const QByteArray& studentTag, const QByteArray& chainLink);

struct OpenedLine {
    enum class Kind {
        Plain,      // not sealed: the line is the JSON
        Opened,     // sealed and opened
        NeedsKey,   // sealed, and no secret key was given
        AnotherKey, // sealed to another exam's key
        Damaged     // sealed to this key, but cut short or changed
    };
    Kind kind = Kind::Plain;
    QByteArray json;  // Plain, Opened
    QByteArray link;  // Opened: the chain link sealed with it
    QByteArray tag;   // sealed: the student tag
    QByteArray keyId; // sealed: the key it names
};

// Whether the line is a sealed record at all, before any work on it.
bool IsSealedLine(const QByteArray& line);

// The line as the JSON text of a record, opened with `key` where sealed.
OpenedLine OpenRecordLine(const QByteArray& line, const ExamSecretKey* key);

} // namespace vorn
