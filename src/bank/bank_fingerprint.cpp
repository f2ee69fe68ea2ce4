#include "bank_fingerprint.h"

#include "bank_json.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

namespace vorn {

namespace {

// What changes a run that version 1 cannot write: the draw of a pool, and the
// questions' ids, by which records name them. One line of compact JSON,
// {"draw":N,"ids":["",...]}, each field only where the bank has it; nothing
// for a bank with neither, whose fingerprint thus stays as version 1 made it.
QByteArray RunFieldsBeyondVersion1(const BankContent& content) {
    QJsonObject fields;
    if (content.draw) fields.insert(QStringLiteral("draw"), *content.draw);
    QJsonArray ids;
    bool named = false;
    for (const Question& question : content.questions) {
        ids.append(question.id);
        named = named || !question.id.isEmpty();
    }
    if (named) fields.insert(QStringLiteral("ids"), ids);
    if (fields.isEmpty()) return {};
    return QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

QString BankSha256(const BankContent& content) {
    // Equal bytes get one name, whichever picture object holds them.
    std::map<QByteArray, QString> names;
    std::vector<QByteArray> pictures;
    const auto name = [&](const Picture& picture, const QString& as) {
        if (!picture || names.count(picture->encoded)) return;
        names[picture->encoded] = as;
        pictures.push_back(picture->encoded);
    };
    int q = 0;
    for (const Question& question : content.questions) {
        const QString number = QStringLiteral("q%1").arg(++q, 2, 10, QLatin1Char('0'));
        name(question.picture, number);
        // Option pictures follow their question's, so that a bank without
        // them keeps its fingerprint.
        for (std::size_t o = 0; o < question.optionPictures.size(); ++o)
            name(question.optionPictures[o], number + QStringLiteral("-%1").arg(o + 1));
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // The text of version 1, whatever the program writes now, with the settings
    // in the shipped test's wording (settings_items.h): a test keeps its
    // fingerprint, and its results stay together, across versions of the
    // player and of the bank's format.
    hash.addData(WriteBankJson(
        content, [&names](const Picture& picture) { return names.at(picture->encoded); }, 1));
    hash.addData(RunFieldsBeyondVersion1(content));
    for (const QByteArray& picture : pictures) {
        // Each picture's length first, so that where one ends is part of the hash.
        hash.addData(QByteArray::number(picture.size()) + '\n');
        hash.addData(picture);
    }
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace vorn
