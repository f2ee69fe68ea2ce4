#include "exam_keys.h"

#include "platform/file_failure.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

const QByteArray kPublicHead = "vorn-exam-public";
const QByteArray kSecretHead = "vorn-exam-secret";
constexpr qint64 kMaxKeyFileBytes = 4096;

template <std::size_t N> QByteArray Base64(const std::array<unsigned char, N>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), N).toBase64();
}

template <std::size_t N> bool FromBase64(const QByteArray& text, std::array<unsigned char, N>& to) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != static_cast<qsizetype>(N)) return false;
    std::memcpy(to.data(), decoded.decoded.constData(), N);
    return true;
}

// A new file only: never through a link, never over a file that is there.
std::optional<QString> WriteNew(const QString& path, const QByteArray& bytes, mode_t mode) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        return errno == EEXIST
                   ? QStringLiteral("%1 вече съществува; ключовете не се презаписват.").arg(path)
                   : QStringLiteral("%1 не може да се създаде: %2.").arg(path, SystemReason(errno));
    const bool written =
        ::write(fd, bytes.constData(), std::size_t(bytes.size())) == bytes.size() &&
        ::fsync(fd) == 0;
    ::close(fd);
    if (written) return std::nullopt;
    ::unlink(QFile::encodeName(path).constData()); // ours, made a moment ago
    return QStringLiteral("%1 не може да се запише.").arg(path);
}

// The words of a key file's one line after its head and version 1.
std::variant<QList<QByteArray>, QString> KeyWords(const QString& path, const QByteArray& head) {
    QFile file;
    if (OpenRegularFile(file, path) != OpenOutcome::Opened)
        return QStringLiteral("ключът %1 не може да се прочете.").arg(path);
    const QList<QByteArray> words = file.read(kMaxKeyFileBytes).trimmed().split(' ');
    if (words.size() < 2 || words[0] != head || words[1] != "1")
        return QStringLiteral("%1 не е ключ %2 на vorn-player.")
            .arg(path, QString::fromLatin1(head));
    return words.mid(2);
}

} // namespace

bool SodiumReady() {
    static const bool ready = ::sodium_init() >= 0;
    return ready;
}

std::optional<QString> MakeExamKeys(const QString& folder) {
    if (!SodiumReady()) return QStringLiteral("криптографската библиотека не тръгна.");
    if (!QDir(folder).exists() && ::mkdir(QFile::encodeName(folder).constData(), 0700) != 0)
        return QStringLiteral("папката %1 не може да се създаде.").arg(folder);
    ExamSecretKey key;
    ::crypto_box_keypair(key.publicKey.bytes.data(), key.bytes.data());
    const QString publicPath = QDir(folder).filePath(QStringLiteral("exam.pub"));
    const QString secretPath = QDir(folder).filePath(QStringLiteral("exam.secret"));
    if (QFile::exists(publicPath) || QFile::exists(secretPath) ||
        QFileInfo(publicPath).isSymLink() || QFileInfo(secretPath).isSymLink())
        return QStringLiteral("в %1 вече има ключове; не се презаписват.").arg(folder);
    const QByteArray secretLine =
        kSecretHead + " 1 " + Base64(key.publicKey.bytes) + ' ' + Base64(key.bytes) + '\n';
    if (auto problem = WriteNew(secretPath, secretLine, 0600)) return problem;
    // The public key is read by every student's player.
    if (auto problem =
            WriteNew(publicPath, kPublicHead + " 1 " + Base64(key.publicKey.bytes) + '\n', 0644)) {
        ::unlink(QFile::encodeName(secretPath).constData());
        return problem;
    }
    ::sodium_memzero(key.bytes.data(), key.bytes.size());
    return std::nullopt;
}

std::variant<ExamPublicKey, QString> ReadExamPublicKey(const QString& path) {
    auto words = KeyWords(path, kPublicHead);
    if (auto* problem = std::get_if<QString>(&words)) return *problem;
    const QList<QByteArray>& w = std::get<QList<QByteArray>>(words);
    ExamPublicKey key;
    if (w.size() != 1 || !FromBase64(w[0], key.bytes))
        return QStringLiteral("ключът %1 е повреден.").arg(path);
    return key;
}

std::variant<ExamSecretKey, QString> ReadExamSecretKey(const QString& path) {
    auto words = KeyWords(path, kSecretHead);
    if (auto* problem = std::get_if<QString>(&words)) return *problem;
    const QList<QByteArray>& w = std::get<QList<QByteArray>>(words);
    ExamSecretKey key;
    ExamPublicKey derived;
    // The public key must be the secret key's own, or nothing would open.
    if (w.size() != 2 || !FromBase64(w[0], key.publicKey.bytes) || !FromBase64(w[1], key.bytes) ||
        !SodiumReady() || ::crypto_scalarmult_base(derived.bytes.data(), key.bytes.data()) != 0 ||
        derived != key.publicKey)
        return QStringLiteral("ключът %1 е повреден.").arg(path);
    return key;
}

QByteArray ExamKeyId(const ExamPublicKey& key) {
    std::array<unsigned char, 8> id{};
    SodiumReady();
    ::crypto_generichash(id.data(), id.size(), key.bytes.data(), key.bytes.size(), nullptr, 0);
    return QByteArray(reinterpret_cast<const char*>(id.data()), id.size()).toHex();
}

} // namespace vorn
