#include "shipped_bank.h"

#include "shipped_picture_files.h"
#include "shipped_questions.h"

#include <QResource>

namespace vorn {

namespace {

// A compiled-in file's bytes, used where they lie unless the file is stored
// compressed: most pictures are never shown. Empty when there is no such file.
QByteArray ResourceBytes(const QString& path) {
    const QResource file(path);
    if (!file.isValid()) return {};
    if (file.compressionAlgorithm() != QResource::NoCompression) return file.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                   static_cast<qsizetype>(file.size()));
}

// The picture files are compiled in as resources, each JPEG with the PNG
// the build made of it, which the window draws. A file that is missing
// leaves its questions without a picture rather than stopping the program.
Picture LoadPicture(const QString& fileName) {
    const QString folder = QStringLiteral(":/assets/pictures/");
    QByteArray jpeg = ResourceBytes(folder + fileName);
    if (jpeg.isEmpty()) return {};
    const QString png = fileName.section(u'.', 0, 0) + QStringLiteral(".png");
    return MakePicture(std::move(jpeg), ResourceBytes(folder + png));
}

} // namespace

BankContent ShippedBank() {
    BankContent bank;
    bank.settings = ShippedSettings();
    bank.authorNote = AuthorNote();
    bank.questions = ShippedQuestions();
    for (const ShippedPictureFile& file : ShippedPictureFiles()) {
        // One picture object for every question that shows the file.
        const Picture shared = LoadPicture(file.name);
        for (const int q : file.questions)
            bank.questions.at(static_cast<std::size_t>(q - 1)).picture = shared;
    }
    return bank;
}

} // namespace vorn
