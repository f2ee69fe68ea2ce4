#include "bank_export.h"

#include "bank_json.h"
#include "bank_pictures.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <sys/stat.h>
#include <vector>

namespace vorn {

namespace {

enum class Kind { Absent, File, Folder, Other };

// What stands at a path, links followed: a link to a device is a device.
Kind KindAt(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) return Kind::Absent;
    if (S_ISREG(status.st_mode)) return Kind::File;
    return S_ISDIR(status.st_mode) ? Kind::Folder : Kind::Other;
}

// What an export created, removed again when it fails: nothing of a failed
// export is left behind. Files it replaced stay replaced.
class Created {
public:
    void add(const QString& path) { paths_.push_back(path); }
    void removeAll() {
        for (auto it = paths_.rbegin(); it != paths_.rend(); ++it)
            QFileInfo(*it).isDir() ? QDir().rmdir(*it) : QFile::remove(*it);
        paths_.clear();
    }

private:
    std::vector<QString> paths_;
};

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
    if (QFileInfo(path).fileName().isEmpty())
        return QStringLiteral("„%1“: няма име на файл.").arg(QDir::toNativeSeparators(path));
    const QFileInfo info(path);
    const QString folderName = PictureFolderName(path);
    // One file per picture object, in the order the questions first show them.
    std::map<const PictureData*, QString> names;
    std::vector<Picture> pictures;
    int q = 0;
    for (const Question& question : content.questions) {
        ++q;
        if (!question.picture || names.count(question.picture.get())) continue;
        // One substitution pass: a "%1" in the folder's name stays as it is.
        names[question.picture.get()] =
            QStringLiteral("%1/q%2.%3")
                .arg(folderName, QStringLiteral("%1").arg(q, 2, 10, QLatin1Char('0')),
                     PictureExtension(question.picture->encoded));
        pictures.push_back(question.picture);
    }

    // Every target is looked at before anything is written: a FIFO, a device
    // or a folder in the way is refused, not replaced.
    const QString folder = info.dir().filePath(folderName);
    const auto notAFile = [](const QString& target) {
        return QStringLiteral("„%1“ не е обикновен файл: банката не се записва върху него.")
            .arg(QDir::toNativeSeparators(target));
    };
    if (const Kind kind = KindAt(path); kind != Kind::Absent && kind != Kind::File)
        return notAFile(path);
    if (!pictures.empty()) {
        if (const Kind kind = KindAt(folder); kind != Kind::Absent && kind != Kind::Folder)
            return QStringLiteral("„%1“ не е папка: картинките не могат да се запишат там.")
                .arg(QDir::toNativeSeparators(folder));
        for (const Picture& picture : pictures)
            if (const QString target = info.dir().filePath(names.at(picture.get()));
                KindAt(target) != Kind::Absent && KindAt(target) != Kind::File)
                return notAFile(target);
    }

    Created created;
    const auto failing = [&created](std::optional<QString> failure) {
        if (failure) created.removeAll();
        return failure;
    };
    if (!pictures.empty() && KindAt(folder) == Kind::Absent) {
        if (!info.dir().mkpath(folderName))
            return QStringLiteral("%1: папката не може да се създаде.")
                .arg(QDir::toNativeSeparators(folder));
        created.add(folder);
    }
    for (const Picture& picture : pictures) {
        const QString target = info.dir().filePath(names.at(picture.get()));
        if (KindAt(target) == Kind::Absent) created.add(target);
        if (auto failed = WriteWhole(target, picture->encoded)) return failing(failed);
    }
    if (KindAt(path) == Kind::Absent) created.add(path);
    return failing(WriteWhole(path, WriteBankJson(content, [&names](const Picture& picture) {
                                  return names.at(picture.get());
                              })));
}

} // namespace vorn
