#include "journal_key.h"

#include "platform/descriptor.h"
#include "record/exam_keys.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

namespace {

static_assert(sizeof(JournalKey::bytes) == crypto_auth_KEYBYTES);

const QString kKeyName = QStringLiteral("journal.key");

QString Problem(const QString& path, int error) {
    return QStringLiteral("ключът на дневника %1 не може да се използва: %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// The key file, only when it is this account's own, for no one else, and
// whole.
std::variant<JournalKey, QString> ReadKey(const QString& path) {
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) return Problem(path, errno);
    struct stat status {};
    JournalKey key;
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid() || (status.st_mode & 077) != 0 ||
        status.st_size != qint64(key.bytes.size()))
        return Problem(path, EPERM);
    if (::read(fd.get(), key.bytes.data(), key.bytes.size()) != qint64(key.bytes.size()))
        return Problem(path, EIO);
    return key;
}

// A new key, written beside its place and linked there: link() never
// replaces, so of two players starting at once one key wins and both read it.
std::optional<QString> MakeKey(const QString& folder, const QString& path) {
    const QString aside = QStringLiteral("%1/.%2.%3").arg(folder, kKeyName).arg(::getpid());
    const QByteArray asideName = QFile::encodeName(aside);
    JournalKey key;
    ::randombytes_buf(key.bytes.data(), key.bytes.size());
    {
        const Descriptor fd(::open(asideName.constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() < 0) return Problem(aside, errno);
        if (::write(fd.get(), key.bytes.data(), key.bytes.size()) != qint64(key.bytes.size()) ||
            ::fsync(fd.get()) != 0) {
            const int error = errno;
            ::unlink(asideName.constData());
            return Problem(aside, error);
        }
    }
    const int linked = ::link(asideName.constData(), QFile::encodeName(path).constData());
    const int error = errno;
    ::unlink(asideName.constData());
    if (linked != 0 && error != EEXIST) return Problem(path, error);
    return std::nullopt;
}

} // namespace

std::variant<JournalKey, QString> AccountJournalKey(const QString& folder) {
    if (!SodiumReady()) return QStringLiteral("библиотеката libsodium не може да започне");
    const QString path = folder + u'/' + kKeyName;
    if (!QFile::exists(path) && !QFileInfo(path).isSymLink())
        if (auto problem = MakeKey(folder, path)) return *problem;
    return ReadKey(path);
}

QByteArray JournalMac(const QByteArray& text, const JournalKey& key) {
    std::array<unsigned char, crypto_auth_BYTES> mac{};
    ::crypto_auth(mac.data(), reinterpret_cast<const unsigned char*>(text.constData()),
                  std::size_t(text.size()), key.bytes.data());
    return QByteArray(reinterpret_cast<const char*>(mac.data()), mac.size()).toHex();
}

bool JournalMacFits(const QByteArray& text, const QByteArray& macHex, const JournalKey& key) {
    const QByteArray mac = QByteArray::fromHex(macHex);
    if (mac.size() != crypto_auth_BYTES || mac.toHex() != macHex) return false;
    return ::crypto_auth_verify(reinterpret_cast<const unsigned char*>(mac.constData()),
                                reinterpret_cast<const unsigned char*>(text.constData()),
                                std::size_t(text.size()), key.bytes.data()) == 0;
}

} // namespace vorn
