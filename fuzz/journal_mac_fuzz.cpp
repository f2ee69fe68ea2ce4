// libFuzzer target: any bytes as an exam journal with its MAC, as a start
// reads the account's own journal or the copy in the shared folder. Nothing
// may crash, hang or leak, and nothing is taken up unless its MAC fits: an
// input accepted under a key that signed nothing is a forgery let through.
// Inputs whose first byte is a multiple of 4 (a quarter) get, in place of
// that byte, a MAC that fits what the rest holds, so that the reader behind
// the check and the resumed run are reached too.

#include "journal_take_up.h"

#include <QJsonDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

vorn::JournalKey KeyOf(unsigned char first) {
    vorn::JournalKey key;
    for (std::size_t i = 0; i < key.bytes.size(); ++i)
        key.bytes[i] = static_cast<unsigned char>(first + i);
    return key;
}

// The bytes as a JSON object with a MAC over the rest of it, as a player
// signs a journal; bytes that are no object stay as they are.
QByteArray Signed(const QByteArray& bytes, const vorn::JournalKey& key) {
    QJsonObject object = QJsonDocument::fromJson(bytes).object();
    if (object.isEmpty()) return bytes;
    object.remove("mac");
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Compact);
    object.insert("mac", QString::fromLatin1(vorn::JournalMac(text, key)));
    return QJsonDocument(object).toJson();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vorn::JournalKey key = KeyOf(1);
    static const vorn::JournalKey unused = KeyOf(101); // signs nothing
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (std::holds_alternative<vorn::Journal>(vorn::AuthenticJournalFromBytes(bytes, unused)))
        std::abort();
    if (size > 0 && data[0] % 4 == 0) bytes = Signed(bytes.mid(1), key);
    const auto read = vorn::AuthenticJournalFromBytes(bytes, key);
    if (const auto* journal = std::get_if<vorn::Journal>(&read)) vorn::fuzz::TakeUp(*journal);
    return 0;
}
