#include "bank_bundle.h"

#include "bank_export.h"
#include "bank_file.h"
#include "bank_json.h"
#include "bank_pictures.h"

#include <QtEndian>
#include <map>
#include <optional>

namespace vorn {

namespace {

const QByteArray kHead = "vorn-bank-bundle 1\n";
constexpr int kMaxPictures = 2000;

void Append(QByteArray& bundle, const QByteArray& bytes) {
    char length[4];
    qToLittleEndian(static_cast<quint32>(bytes.size()), length);
    bundle.append(length, 4).append(bytes);
}

// The next length-prefixed piece at `at`, moving past it; none when it runs
// past the end or past `cap`.
std::optional<QByteArray> Take(const QByteArray& bundle, qsizetype& at, qsizetype cap) {
    if (bundle.size() - at < 4) return std::nullopt;
    const auto length = static_cast<qsizetype>(qFromLittleEndian<quint32>(bundle.constData() + at));
    if (length > cap || bundle.size() - at - 4 < length) return std::nullopt;
    const QByteArray piece = QByteArray::fromRawData(bundle.constData() + at + 4, length);
    at += 4 + length;
    return piece;
}

struct Entries {
    QByteArray json;
    std::map<QString, QByteArray> pictures;
};

std::variant<Entries, QString> Unbundle(const QByteArray& bundle) {
    const QString damaged = QStringLiteral("съдържанието на заключената банка е повредено.");
    if (!bundle.startsWith(kHead)) return damaged;
    qsizetype at = kHead.size();
    Entries entries;
    const auto name = Take(bundle, at, 0);
    const auto json = Take(bundle, at, kMaxBankFileBytes);
    if (!name || !json) return damaged;
    entries.json = *json;
    while (at < bundle.size()) {
        const auto pictureName = Take(bundle, at, 1024);
        const auto picture = Take(bundle, at, kMaxPictureFileBytes);
        if (!pictureName || pictureName->isEmpty() || !picture ||
            entries.pictures.size() >= kMaxPictures)
            return damaged;
        const auto [_, fresh] = entries.pictures.emplace(QString::fromUtf8(*pictureName), *picture);
        if (!fresh) return damaged;
    }
    return entries;
}

} // namespace

QByteArray BundleBank(const BankContent& content) {
    const NamedPictures named = NamePictures(content, QString());
    QByteArray bundle = kHead;
    Append(bundle, QByteArray());
    Append(bundle, WriteBankJson(content, [&named](const Picture& picture) {
               return named.names.at(picture.get());
           }));
    for (const Picture& picture : named.pictures) {
        Append(bundle, named.names.at(picture.get()).toUtf8());
        Append(bundle, picture->encoded);
    }
    return bundle;
}

LoadedBank ReadBundledBank(const QByteArray& bundle) {
    const auto entries = Unbundle(bundle);
    if (const auto* why = std::get_if<QString>(&entries)) {
        LoadedBank refused;
        refused.issues.push_back({.message = *why});
        return refused;
    }
    const Entries& read = std::get<Entries>(entries);
    BankMemory memory(read.json.size());
    bool overBudget = false;
    std::map<QString, Picture> accepted;
    return ReadBankJson(read.json, [&](const QString& name) -> PictureResult {
        if (const auto known = accepted.find(name); known != accepted.end()) return known->second;
        if (overBudget) return Picture();
        const auto picture = read.pictures.find(name);
        if (picture == read.pictures.end())
            return QStringLiteral("картинката „%1“ липсва.").arg(name);
        // A deep copy: the bundle's bytes are wiped once it has been read.
        PictureResult result =
            AcceptPicture(name, QByteArray(picture->second.constData(), picture->second.size()),
                          memory, overBudget);
        if (const auto* shown = std::get_if<Picture>(&result)) accepted[name] = *shown;
        return result;
    });
}

} // namespace vorn
