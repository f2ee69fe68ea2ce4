#pragma once
// A bank locked with a password: the bank and its pictures (bank_bundle.h)
// encrypted with a key derived from the password, so that before the exam
// the file in the shared folder reads as noise. Layout, integers
// little-endian:
//
//   offset  size  what
//        0    16  "vorn-locked-bank"
//       16     4  version, 1
//       20     4  key derivation: 2, Argon2id 1.3 (libsodium's crypto_pwhash)
//       24     4  its operations limit (passes)
//       28     4  its memory limit, in KiB
//       32    16  its salt
//       48    24  the stream's header (crypto_secretstream_xchacha20poly1305)
//       72     8  n, the length of the encrypted bank
//       80     n  the bank: one message of the stream with its final tag,
//                 bytes 0 to 79 its additional data (so none can be changed)
//     80+n    32  BLAKE2b-256 of everything before it
//
// The closing hash has no key: it only tells a damaged file (a byte changed,
// cut short) from a wrong password, which the encryption alone cannot. What
// keeps the bank secret and whole is the encryption.

#include "secret_bytes.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <variant>

namespace vorn {

inline constexpr int kLockedBankVersion = 1;
inline constexpr int kLockedMagicBytes = 16;
// A locked bank carries its pictures, as a Moodle XML file does.
inline constexpr qint64 kMaxLockedBankFileBytes = 64 * 1024 * 1024;
// Shorter passwords fall to guessing from a copy of the file within an evening.
inline constexpr int kMinPasswordCharacters = 8;

struct KeyDerivation {
    quint32 passes = 0;
    quint32 memoryKiB = 0;
};

// libsodium's "interactive" limits: 2 passes over 64 MiB, about a tenth of a
// second on a school PC, and memory a 2 GiB machine spares beside a desktop.
KeyDerivation DefaultKeyDerivation();

// Whether the bytes start as a locked bank does.
bool IsLockedBank(const QByteArray& start);

// The locked file of `plain` (bank_bundle.h). A fresh salt and stream header
// come from the system's random source each time.
QByteArray LockBank(const QByteArray& plain, const SecretBytes& password,
                    KeyDerivation derivation = DefaultKeyDerivation());

// Why the file cannot be a sound locked bank, told without the password:
// cut short, a byte changed, another version, limits out of bounds.
std::optional<QString> LockedBankDamage(const QByteArray& file);

struct UnlockFailure {
    enum class Kind { WrongPassword, Damaged } kind;
    QString reason; // Bulgarian
};

// The bank inside, or why not. A damaged file is told before any key is derived.
std::variant<SecretBytes, UnlockFailure> UnlockBank(const QByteArray& file,
                                                    const SecretBytes& password);

} // namespace vorn
