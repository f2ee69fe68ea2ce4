#pragma once
// The teacher's exam key pair: records are sealed to the public key, which
// every player of the lab reads (exam.pub), and only the secret key, which
// stays with the teacher (exam.secret, readable by the teacher alone), opens
// them. Each is one line of text:
//
//   exam.pub     "vorn-exam-public 1 <base64 public key>"
//   exam.secret  "vorn-exam-secret 1 <base64 public key> <base64 secret key>"

#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace vorn {

inline constexpr std::size_t kExamKeyBytes = 32; // X25519, as crypto_box uses

struct ExamPublicKey {
    std::array<unsigned char, kExamKeyBytes> bytes{};
    bool operator==(const ExamPublicKey&) const = default;
};

struct ExamSecretKey {
    ExamPublicKey publicKey;
    std::array<unsigned char, kExamKeyBytes> bytes{};
};

// Whether the cryptographic library could start; every other function here
// needs it.
bool SodiumReady();

// A new key pair, written as folder/exam.pub and folder/exam.secret (the
// folder made, for the teacher alone, where missing). Neither file is ever
// replaced: when either is there, nothing is written. The problem, in
// Bulgarian, when the pair was not written.
std::optional<QString> MakeExamKeys(const QString& folder);

// A key file read back; the problem, in Bulgarian, naming the file.
std::variant<ExamPublicKey, QString> ReadExamPublicKey(const QString& path);
std::variant<ExamSecretKey, QString> ReadExamSecretKey(const QString& path);

// What sealed records name their key by: 16 hexadecimal digits of a hash of
// the public key, so that a record sealed to another key is told apart from a
// damaged one.
QByteArray ExamKeyId(const ExamPublicKey& key);

} // namespace vorn
