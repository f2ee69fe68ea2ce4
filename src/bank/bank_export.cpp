#include "bank_export.h"

#include "bank_json.h"
#include "bank_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <map>
#include <vector>

namespace vorn {

namespace {

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

} // namespace

QString PictureFolderName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    for (const QString& suffix : {QStringLiteral(".vorn.json"), QStringLiteral(".json")})
        if (name.endsWith(suffix, Qt::CaseInsensitive)) {
            name.chop(suffix.size());
            break;
        }
    return name + QStringLiteral("-pictures");
}

std::optional<QString> ExportBank(const BankContent& content, const QString& path) {
    const QFileInfo info(path);
    const QString folderName = PictureFolderName(path);
    // One file per picture object, in the order the questions first show them.
    std::map<const PictureData*, QString> names;
    std::vector<Picture> pictures;
    int q = 0;
    for (const Question& question : content.questions) {
        ++q;
        if (!question.picture || names.count(question.picture.get())) continue;
        names[question.picture.get()] = QStringLiteral("%1/q%2.%3")
                                            .arg(folderName)
                                            .arg(q, 2, 10, QLatin1Char('0'))
                                            .arg(PictureExtension(question.picture->encoded));
        pictures.push_back(question.picture);
    }

    if (!pictures.empty() && !info.dir().mkpath(folderName))
        return QStringLiteral("%1: папката не може да се създаде.")
            .arg(QDir::toNativeSeparators(info.dir().filePath(folderName)));
    for (const Picture& picture : pictures)
        if (auto failed = WriteWhole(info.dir().filePath(names.at(picture.get())), picture->encoded))
            return failed;
    return WriteWhole(path, WriteBankJson(content, [&names](const Picture& picture) {
                          return names.at(picture.get());
                      }));
}

} // namespace vorn
