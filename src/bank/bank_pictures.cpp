#include "bank_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace vorn {

PictureFolder::PictureFolder(const QString& folder)
    : folder_(QFileInfo(folder).canonicalFilePath()) {}

PictureResult PictureFolder::read(const QString& name) {
    if (const auto known = read_.find(name); known != read_.end()) return known->second;

    // Resolved with links followed, so that neither "../" nor a link leads out.
    if (QDir::isAbsolutePath(name) || name.contains(u'\\'))
        return QStringLiteral("картинката „%1“ трябва да е зададена спрямо папката на банката.")
            .arg(name);
    const QFileInfo file(QDir(folder_).filePath(name));
    const QString canonical = file.canonicalFilePath();
    if (folder_.isEmpty() || !file.exists() || canonical.isEmpty())
        return QStringLiteral("картинката „%1“ липсва.").arg(name);
    if (!canonical.startsWith(folder_ + u'/'))
        return QStringLiteral("картинката „%1“ е извън папката на банката.").arg(name);
    if (!file.isFile())
        return QStringLiteral("„%1“ не е файл с картинка.").arg(name);
    if (file.size() > kMaxPictureFileBytes)
        return QStringLiteral("картинката „%1“ е по-голяма от %2 MiB.")
            .arg(name)
            .arg(kMaxPictureFileBytes / (1024 * 1024));

    QFile input(canonical);
    if (!input.open(QIODevice::ReadOnly))
        return QStringLiteral("картинката „%1“ не може да се прочете: %2.")
            .arg(name, input.errorString());
    const QByteArray bytes = input.read(kMaxPictureFileBytes + 1);
    const auto decoded = DecodedSize(bytes);
    if (const auto* problem = std::get_if<QString>(&decoded))
        return QStringLiteral("картинката „%1“ не може да се покаже: %2").arg(name, *problem);
    const Picture picture = MakePicture(bytes);
    read_[name] = picture;
    return picture;
}

std::variant<QSize, QString> DecodedSize(const QByteArray& encoded) {
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize declared = reader.size();
    if (!declared.isValid()) return QStringLiteral("непознат или повреден формат.");
    if (declared.width() > kMaxPictureSide || declared.height() > kMaxPictureSide)
        return QStringLiteral("%1 × %2 точки е повече от допустимите %3 × %3.")
            .arg(declared.width())
            .arg(declared.height())
            .arg(kMaxPictureSide);
    const QImage image = reader.read();
    if (image.isNull()) return QStringLiteral("повреден файл (%1).").arg(reader.errorString());
    return image.size();
}

QSize DeclaredSize(const QByteArray& encoded) {
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

QString PictureExtension(const QByteArray& encoded) {
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader(&buffer).format().toLower();
    if (format == "jpeg" || format == "jpg") return QStringLiteral("jpg");
    return format.isEmpty() ? QStringLiteral("bin") : QString::fromLatin1(format);
}

} // namespace vorn
