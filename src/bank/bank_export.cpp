#include "bank_export.h"

#include "bank_bundle.h"
#include "bank_json.h"
#include "bank_pictures.h"
#include "locked_bank.h"
#include "platform/whole_file.h"

#include <QFileInfo>
#include <map>
#include <sodium.h>
#include <vector>

namespace vorn {

namespace {

// The pictures, each written beside its name in `folder`.
std::variant<std::vector<AsideFile>, FileFailure>
WritePicturesAside(const OutputFolder& folder, const std::vector<Picture>& pictures,
                   const std::map<const PictureData*, QString>& names) {
    std::vector<AsideFile> written;
    for (const Picture& picture : pictures) {
        auto aside =
            WriteAside(folder, QFileInfo(names.at(picture.get())).fileName(), picture->encoded);
        if (auto* failed = std::get_if<FileFailure>(&aside)) return *failed;
        written.push_back(std::move(std::get<AsideFile>(aside)));
    }
    return written;
}

// The pictures put in place, then the bank's file.
std::optional<FileFailure> PutInPlace(std::vector<AsideFile>& pictures, AsideFile& bank) {
    for (AsideFile& file : pictures)
        if (auto failed = file.putInPlace()) return failed;
    return bank.putInPlace();
}

} // namespace

NamedPictures NamePictures(const BankContent& content, const QString& folder) {
    // One file per picture object, in the order the questions first show them:
    // "q01" for a question's picture, "q01-2" for its second option's.
    NamedPictures named;
    const auto nameFile = [&](const Picture& picture, const QString& as) {
        if (!picture || named.names.count(picture.get())) return;
        const QString file = as + u'.' + PictureExtension(picture->encoded);
        named.names[picture.get()] = folder.isEmpty() ? file : folder + u'/' + file;
        named.pictures.push_back(picture);
    };
    int q = 0;
    for (const Question& question : content.questions) {
        const QString number = QStringLiteral("q%1").arg(++q, 2, 10, QLatin1Char('0'));
        nameFile(question.picture, number);
        for (std::size_t o = 0; o < question.optionPictures.size(); ++o)
            nameFile(question.optionPictures[o], number + QStringLiteral("-%1").arg(o + 1));
    }
    return named;
}

std::optional<FileFailure> ExportLockedBank(const BankContent& content, const QString& path,
                                            const SecretBytes& password) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty()) return FileFailure{path, 0, QStringLiteral("няма име на файл")};
    auto holding = OutputFolder::Holding(path);
    if (auto* failed = std::get_if<FileFailure>(&holding)) return *failed;
    QByteArray plain = BundleBank(content);
    const QByteArray locked = LockBank(plain, password);
    ::sodium_memzero(plain.data(), static_cast<std::size_t>(plain.size()));
    if (locked.isEmpty()) return FileFailure{path, 0, QStringLiteral("шифрирането не успя")};
    auto file = WriteAside(std::get<OutputFolder>(holding), name, locked);
    if (auto* failed = std::get_if<FileFailure>(&file)) return *failed;
    return std::get<AsideFile>(file).putInPlace();
}

QString PictureFolderName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    for (const QString& suffix : {QStringLiteral(".vorn.json"), QStringLiteral(".json")})
        if (name.endsWith(suffix, Qt::CaseInsensitive)) {
            name.chop(suffix.size());
            break;
        }
    return name + QStringLiteral("-pictures");
}

std::optional<FileFailure> ExportBank(const BankContent& content, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty()) return FileFailure{path, 0, QStringLiteral("няма име на файл")};
    auto holding = OutputFolder::Holding(path);
    if (auto* failed = std::get_if<FileFailure>(&holding)) return *failed;
    const OutputFolder& folder = std::get<OutputFolder>(holding);
    const QString folderName = PictureFolderName(path);
    const NamedPictures named = NamePictures(content, folderName);
    const auto& names = named.names;
    const auto& pictures = named.pictures;
    // The bank's file first: what stands in its way is refused before any
    // folder is made.
    auto bank = WriteAside(folder, name, WriteBankJson(content, [&names](const Picture& picture) {
                               return names.at(picture.get());
                           }));
    if (auto* failed = std::get_if<FileFailure>(&bank)) return *failed;
    if (pictures.empty()) return std::get<AsideFile>(bank).putInPlace();

    // A link planted as the pictures' folder is refused, not followed.
    bool made = false;
    auto pictureFolder = folder.folder(folderName, made);
    if (auto* failed = std::get_if<FileFailure>(&pictureFolder)) return *failed;
    auto written = WritePicturesAside(std::get<OutputFolder>(pictureFolder), pictures, names);
    std::optional<FileFailure> failed;
    if (auto* refused = std::get_if<FileFailure>(&written))
        failed = *refused;
    else
        failed = PutInPlace(std::get<std::vector<AsideFile>>(written), std::get<AsideFile>(bank));
    written = std::vector<AsideFile>(); // the files not put in place go first
    // A failed export leaves nothing of its own behind.
    if (failed && made) folder.remove(folderName);
    return failed;
}

} // namespace vorn
