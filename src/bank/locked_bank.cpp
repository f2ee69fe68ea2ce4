#include "locked_bank.h"

#include <QtEndian>
#include <array>
#include <sodium.h>

namespace vorn {

namespace {

const QByteArray kMagic = "vorn-locked-bank";
constexpr int kVersionAt = 16, kAlgorithmAt = 20, kPassesAt = 24, kMemoryAt = 28, kSaltAt = 32,
              kStreamAt = 48, kLengthAt = 72, kHeaderBytes = 80, kHashBytes = 32;
static_assert(crypto_pwhash_SALTBYTES == kStreamAt - kSaltAt);
static_assert(crypto_secretstream_xchacha20poly1305_HEADERBYTES == kLengthAt - kStreamAt);
static_assert(crypto_generichash_BYTES == kHashBytes);

// Bounds a file may ask of the machine: a planted file must not stall a lab
// PC for minutes or take its memory.
constexpr quint32 kMaxPasses = 10, kMinMemoryKiB = 1024, kMaxMemoryKiB = 256 * 1024;

using Key = std::array<unsigned char, crypto_secretstream_xchacha20poly1305_KEYBYTES>;

bool SodiumReady() {
    static const bool ready = ::sodium_init() >= 0;
    return ready;
}

const unsigned char* Bytes(const QByteArray& bytes, qsizetype at = 0) {
    return reinterpret_cast<const unsigned char*>(bytes.constData() + at);
}

quint32 Read32(const QByteArray& file, int at) {
    return qFromLittleEndian<quint32>(file.constData() + at);
}

void Put32(QByteArray& file, int at, quint32 value) {
    qToLittleEndian(value, file.data() + at);
}

QByteArray Hash(const QByteArray& bytes) {
    QByteArray hash(kHashBytes, '\0');
    ::crypto_generichash(reinterpret_cast<unsigned char*>(hash.data()), kHashBytes, Bytes(bytes),
                         static_cast<unsigned long long>(bytes.size()), nullptr, 0);
    return hash;
}

// The key of the password under the header's salt and limits; false when the
// machine could not spare the memory.
bool DeriveKey(Key& key, const SecretBytes& password, const QByteArray& header) {
    return ::crypto_pwhash(key.data(), key.size(), password.data(),
                           static_cast<unsigned long long>(password.size()), Bytes(header, kSaltAt),
                           Read32(header, kPassesAt),
                           static_cast<std::size_t>(Read32(header, kMemoryAt)) * 1024,
                           crypto_pwhash_ALG_ARGON2ID13) == 0;
}

} // namespace

KeyDerivation DefaultKeyDerivation() {
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE / 1024};
}

bool IsLockedBank(const QByteArray& start) {
    return start.startsWith(kMagic);
}

QByteArray LockBank(const QByteArray& plain, const SecretBytes& password,
                    KeyDerivation derivation) {
    if (!SodiumReady()) return {};
    QByteArray file(kHeaderBytes, '\0');
    file.replace(0, kMagic.size(), kMagic);
    Put32(file, kVersionAt, kLockedBankVersion);
    Put32(file, kAlgorithmAt, crypto_pwhash_ALG_ARGON2ID13);
    Put32(file, kPassesAt, derivation.passes);
    Put32(file, kMemoryAt, derivation.memoryKiB);
    ::randombytes_buf(file.data() + kSaltAt, crypto_pwhash_SALTBYTES);
    Key key{};
    if (!DeriveKey(key, password, file)) return {};
    crypto_secretstream_xchacha20poly1305_state state;
    ::crypto_secretstream_xchacha20poly1305_init_push(
        &state, reinterpret_cast<unsigned char*>(file.data() + kStreamAt), key.data());
    ::sodium_memzero(key.data(), key.size());
    const qsizetype sealed = plain.size() + crypto_secretstream_xchacha20poly1305_ABYTES;
    qToLittleEndian(static_cast<quint64>(sealed), file.data() + kLengthAt);
    const QByteArray header = file.left(kHeaderBytes);
    file.resize(kHeaderBytes + sealed);
    ::crypto_secretstream_xchacha20poly1305_push(
        &state, reinterpret_cast<unsigned char*>(file.data() + kHeaderBytes), nullptr, Bytes(plain),
        static_cast<unsigned long long>(plain.size()), Bytes(header), kHeaderBytes,
        crypto_secretstream_xchacha20poly1305_TAG_FINAL);
    ::sodium_memzero(&state, sizeof state);
    return file + Hash(file);
}

std::optional<QString> LockedBankDamage(const QByteArray& file) {
    if (!IsLockedBank(file)) return QStringLiteral("не е заключена банка.");
    if (file.size() < kHeaderBytes) return QStringLiteral("файлът е отрязан (няма цяло начало).");
    if (const quint32 version = Read32(file, kVersionAt); version != kLockedBankVersion)
        return QStringLiteral("заключена банка от версия %1, а тази програма чете версия %2.")
            .arg(version)
            .arg(kLockedBankVersion);
    if (Read32(file, kAlgorithmAt) != crypto_pwhash_ALG_ARGON2ID13)
        return QStringLiteral("непознат начин за извеждане на ключа от паролата.");
    const quint32 passes = Read32(file, kPassesAt), memory = Read32(file, kMemoryAt);
    if (passes < 1 || passes > kMaxPasses || memory < kMinMemoryKiB || memory > kMaxMemoryKiB)
        return QStringLiteral("параметрите на ключа (%1 минавания, %2 KiB) са извън "
                              "допустимите.")
            .arg(passes)
            .arg(memory);
    const auto length = qFromLittleEndian<quint64>(file.constData() + kLengthAt);
    const auto present = static_cast<quint64>(file.size() - kHeaderBytes);
    if (length < crypto_secretstream_xchacha20poly1305_ABYTES || length > kMaxLockedBankFileBytes)
        return QStringLiteral("дължината на шифрираната банка в началото е повредена.");
    if (present < length + kHashBytes) return QStringLiteral("файлът е отрязан.");
    if (present > length + kHashBytes)
        return QStringLiteral("след края на банката има излишни байтове.");
    const qsizetype body = kHeaderBytes + static_cast<qsizetype>(length);
    if (Hash(file.left(body)) != file.mid(body))
        return QStringLiteral("файлът е повреден: байт в него е променен.");
    return std::nullopt;
}

std::variant<SecretBytes, UnlockFailure> UnlockBank(const QByteArray& file,
                                                    const SecretBytes& password) {
    if (const auto damage = LockedBankDamage(file))
        return UnlockFailure{UnlockFailure::Kind::Damaged, *damage};
    if (!SodiumReady())
        return UnlockFailure{UnlockFailure::Kind::Damaged,
                             QStringLiteral("шифрирането не може да започне.")};
    Key key{};
    if (!DeriveKey(key, password, file))
        return UnlockFailure{UnlockFailure::Kind::Damaged,
                             QStringLiteral("няма достатъчно памет за ключа.")};
    crypto_secretstream_xchacha20poly1305_state state;
    const int started = ::crypto_secretstream_xchacha20poly1305_init_pull(
        &state, Bytes(file, kStreamAt), key.data());
    ::sodium_memzero(key.data(), key.size());
    const qsizetype sealed = file.size() - kHeaderBytes - kHashBytes;
    std::vector<char> plain(
        static_cast<std::size_t>(sealed - crypto_secretstream_xchacha20poly1305_ABYTES));
    unsigned char tag = 0;
    const bool opened = started == 0 &&
                        ::crypto_secretstream_xchacha20poly1305_pull(
                            &state, reinterpret_cast<unsigned char*>(plain.data()), nullptr, &tag,
                            Bytes(file, kHeaderBytes), static_cast<unsigned long long>(sealed),
                            Bytes(file), kHeaderBytes) == 0 &&
                        tag == crypto_secretstream_xchacha20poly1305_TAG_FINAL;
    ::sodium_memzero(&state, sizeof state);
    if (!opened) {
        ::sodium_memzero(plain.data(), plain.size());
        return UnlockFailure{UnlockFailure::Kind::WrongPassword,
                             QStringLiteral("паролата не е вярна.")};
    }
    return SecretBytes(std::move(plain));
}

} // namespace vorn
