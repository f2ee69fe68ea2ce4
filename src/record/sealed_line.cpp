#include "sealed_line.h"

#include <QList>
#include <sodium.h>

namespace vorn {

namespace {

const QByteArray kHead = "vorn-sealed 1 ";
const QByteArray kStart(64, '0'); // the link of a file's first line
const QByteArray kUnknown = "-";  // the writer could not read the line before

const unsigned char* Bytes(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

} // namespace

QByteArray ChainLink(const std::optional<QByteArray>& lineBefore) {
    if (!lineBefore) return kUnknown;
    if (lineBefore->isEmpty()) return kStart;
    // BLAKE2b, fast in software: a report hashes every line of a sealed file.
    std::array<unsigned char, 32> hash{};
    SodiumReady();
    ::crypto_generichash(hash.data(), hash.size(), Bytes(*lineBefore),
                         std::size_t(lineBefore->size()), nullptr, 0);
    return QByteArray(reinterpret_cast<const char*>(hash.data()), hash.size()).toHex();
}

namespace {

QByteArray TagOfIdentity(const ExamPublicKey& key, const QString& identity, const QString& bank,
                         bool abandoned) {
    SodiumReady();
    const QByteArray purpose = "vorn-player student tag";
    std::array<unsigned char, crypto_generichash_KEYBYTES> tagKey{};
    ::crypto_generichash(tagKey.data(), tagKey.size(), key.bytes.data(), key.bytes.size(),
                         Bytes(purpose), std::size_t(purpose.size()));
    const QByteArray who = identity.toUtf8() + '\n' + bank.toLatin1() +
                           (abandoned ? QByteArray("\nabandoned") : QByteArray());
    std::array<unsigned char, 32> tag{};
    ::crypto_generichash(tag.data(), tag.size(), Bytes(who), std::size_t(who.size()), tagKey.data(),
                         tagKey.size());
    return QByteArray(reinterpret_cast<const char*>(tag.data()), tag.size()).toHex();
}

} // namespace

QByteArray StudentTag(const ExamPublicKey& key, const TaggedAttempt& attempt) {
    return TagOfIdentity(key, StudentIdentity(attempt.student, attempt.knownBy), attempt.bankSha256,
                         attempt.abandoned);
}

QByteArray StudentTagOf(const ExamPublicKey& key, const ResultRecord& record) {
    if (!record.student)
        return TagOfIdentity(key, record.run.user, record.run.bankSha256, record.abandoned);
    return StudentTag(key,
                      {*record.student, record.knownBy, record.run.bankSha256, record.abandoned});
}

QByteArray SealedLine(const QByteArray& recordJson, const ExamPublicKey& key,
                      const QByteArray& studentTag, const QByteArray& chainLink) {
    SodiumReady();
    const QByteArray message = chainLink + '\n' + recordJson;
    QByteArray box(message.size() + qsizetype(crypto_box_SEALBYTES), Qt::Uninitialized);
    ::crypto_box_seal(reinterpret_cast<unsigned char*>(box.data()), Bytes(message),
                      std::size_t(message.size()), key.bytes.data());
    return kHead + ExamKeyId(key) + ' ' + studentTag + ' ' + box.toBase64();
}

bool IsSealedLine(const QByteArray& line) {
    return line.startsWith(kHead);
}

OpenedLine OpenRecordLine(const QByteArray& line, const ExamSecretKey* key) {
    OpenedLine opened;
    if (!IsSealedLine(line)) {
        opened.json = line;
        return opened;
    }
    const QList<QByteArray> words = line.mid(kHead.size()).trimmed().split(' ');
    opened.kind = OpenedLine::Kind::Damaged;
    if (words.size() != 3) return opened;
    opened.keyId = words[0];
    opened.tag = words[1];
    if (!key) return opened.kind = OpenedLine::Kind::NeedsKey, opened;
    if (opened.keyId != ExamKeyId(key->publicKey))
        return opened.kind = OpenedLine::Kind::AnotherKey, opened;
    const auto box =
        QByteArray::fromBase64Encoding(words[2], QByteArray::AbortOnBase64DecodingErrors);
    const auto sealBytes = qsizetype(crypto_box_SEALBYTES);
    if (!box || box.decoded.size() < sealBytes + 2) return opened;
    QByteArray message(box.decoded.size() - sealBytes, Qt::Uninitialized);
    if (::crypto_box_seal_open(reinterpret_cast<unsigned char*>(message.data()), Bytes(box.decoded),
                               std::size_t(box.decoded.size()), key->publicKey.bytes.data(),
                               key->bytes.data()) != 0)
        return opened;
    const qsizetype newline = message.indexOf('\n');
    if (newline < 0) return opened;
    opened.kind = OpenedLine::Kind::Opened;
    opened.link = message.left(newline);
    opened.json = message.mid(newline + 1);
    return opened;
}

} // namespace vorn
