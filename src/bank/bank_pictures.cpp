#include "bank_pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <memory>

namespace vorn {

PictureFolder::PictureFolder(const QString& folder, BankMemory memory)
    : folder_(QFileInfo(folder).canonicalFilePath()), memory_(memory) {}

PictureResult PictureFolder::read(const QString& name) {
    if (const auto known = read_.find(name); known != read_.end()) return known->second;
    // Once one picture is refused for the budget, the bank cannot be played:
    // the rest are not read, and not told again.
    if (overBudget_) return Picture();

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
    if (!file.isFile()) return QStringLiteral("„%1“ не е файл с картинка.").arg(name);
    if (file.size() > kMaxPictureFileBytes)
        return QStringLiteral("картинката „%1“ е по-голяма от %2 MiB.")
            .arg(name, QString::number(kMaxPictureFileBytes / (1024 * 1024)));

    QFile input(canonical);
    if (!input.open(QIODevice::ReadOnly))
        return QStringLiteral("картинката „%1“ не може да се прочете: %2.")
            .arg(name, input.errorString());
    const PictureResult picture =
        AcceptPicture(name, input.read(kMaxPictureFileBytes + 1), memory_, overBudget_);
    if (const auto* accepted = std::get_if<Picture>(&picture)) read_[name] = *accepted;
    return picture;
}

PictureResult AcceptPicture(const QString& name, const QByteArray& bytes, BankMemory& memory,
                            bool& overBudget) {
    // Only the header is read here: a picture is decoded when it is shown.
    const auto declared = InspectPicture(bytes);
    if (const auto* problem = std::get_if<QString>(&declared))
        return QStringLiteral("картинката „%1“ не може да се покаже: %2").arg(name, *problem);
    if (!memory.hold(bytes.size(), std::get<QSize>(declared))) {
        overBudget = true;
        return OverMemoryBudget(name, memory);
    }
    return MakePicture(bytes);
}

namespace {

const QString kAccepted = QStringLiteral("приемат се JPEG, PNG, GIF и BMP");

QString TooLarge(const QSize& size) {
    return QStringLiteral("%1 × %2 точки е повече от допустимите %3 × %3.")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPictureSide);
}

bool Fits(const QSize& size) {
    return size.width() <= kMaxPictureSide && size.height() <= kMaxPictureSide;
}

// A reader of `buffer`, whose bytes are `encoded`. An accepted format is told
// by its first bytes, as Qt's own readers tell it, and named to the reader:
// left to find the format, Qt loads every image plugin installed and their
// libraries (TIFF, WebP, SVG...), over a megabyte a window showing a JPEG
// does not need. Anything else is left to Qt, which names what it refuses.
std::unique_ptr<QImageReader> ReaderFor(QBuffer& buffer, const QByteArray& encoded) {
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    auto reader = std::make_unique<QImageReader>(&buffer);
    static const std::pair<QByteArrayView, QByteArray> kSignatures[] = {
        {"\xFF\xD8", "jpeg"},
        {"\x89PNG\r\n\x1A\n", "png"},
        {"GIF87a", "gif"},
        {"GIF89a", "gif"},
        {"BM", "bmp"}};
    for (const auto& [signature, format] : kSignatures)
        if (encoded.startsWith(signature)) {
            reader->setFormat(format);
            reader->setAutoDetectImageFormat(false);
            break;
        }
    return reader;
}

// The size the reader's header declares, once its format and size are
// accepted, or why not.
std::variant<QSize, QString> Inspected(QImageReader& reader) {
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty())
        return QStringLiteral("непознат или повреден формат; ") + kAccepted + u'.';
    if (format != "jpeg" && format != "png" && format != "gif" && format != "bmp")
        return QStringLiteral("форматът %1 не се приема; ")
                   .arg(QString::fromLatin1(format.toUpper())) +
               kAccepted + u'.';
    const QSize declared = reader.size();
    if (!declared.isValid()) return QStringLiteral("повреден файл.");
    if (!Fits(declared)) return TooLarge(declared);
    return declared;
}

} // namespace

std::variant<QSize, QString> InspectPicture(const QByteArray& encoded) {
    QBuffer buffer;
    return Inspected(*ReaderFor(buffer, encoded));
}

std::variant<QImage, QString> DecodePicture(const QByteArray& encoded) {
    QBuffer buffer;
    const std::unique_ptr<QImageReader> reader = ReaderFor(buffer, encoded);
    if (auto inspected = Inspected(*reader); auto* problem = std::get_if<QString>(&inspected))
        return std::move(*problem);
    // The largest picture the caps allow, in 32-bit pixels, and no more.
    reader->setAllocationLimit(kMaxPictureSide * kMaxPictureSide * 4 / (1024 * 1024) + 1);
    QImage image = reader->read();
    if (image.isNull()) return QStringLiteral("повреден файл (%1).").arg(reader->errorString());
    if (!Fits(image.size())) return TooLarge(image.size()); // the header may have lied
    return image;
}

std::variant<QSize, QString> DecodedSize(const QByteArray& encoded) {
    auto decoded = DecodePicture(encoded);
    if (auto* problem = std::get_if<QString>(&decoded)) return std::move(*problem);
    return std::get<QImage>(decoded).size();
}

QSize DeclaredSize(const QByteArray& encoded) {
    QBuffer buffer;
    return ReaderFor(buffer, encoded)->size();
}

QString PictureExtension(const QByteArray& encoded) {
    QBuffer buffer;
    const QByteArray format = ReaderFor(buffer, encoded)->format().toLower();
    if (format == "jpeg" || format == "jpg") return QStringLiteral("jpg");
    return format.isEmpty() ? QStringLiteral("bin") : QString::fromLatin1(format);
}

} // namespace vorn
