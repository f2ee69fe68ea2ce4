#include "bank_fingerprint.h"

#include "bank/bank_json.h"

#include <QCryptographicHash>
#include <map>

namespace vorn {

QString BankSha256(const BankContent& content) {
    // Equal bytes get one name, whichever picture object holds them.
    std::map<QByteArray, QString> names;
    std::vector<QByteArray> pictures;
    int q = 0;
    for (const Question& question : content.questions) {
        ++q;
        if (!question.picture || names.count(question.picture->encoded)) continue;
        names[question.picture->encoded] = QStringLiteral("q%1").arg(q, 2, 10, QLatin1Char('0'));
        pictures.push_back(question.picture->encoded);
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(WriteBankJson(
        content, [&names](const Picture& picture) { return names.at(picture->encoded); }));
    for (const QByteArray& picture : pictures) {
        // Each picture's length first, so that where one ends is part of the hash.
        hash.addData(QByteArray::number(picture.size()) + '\n');
        hash.addData(picture);
    }
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace vorn
