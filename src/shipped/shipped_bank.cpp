#include "shipped_bank.h"

#include "shipped_picture_files.h"
#include "shipped_questions.h"

#include <QResource>

namespace vorn {

namespace {

// The picture files are compiled in as resources. A file that is missing
// leaves its questions without a picture rather than stopping the program.
// Stored pictures are used where they lie, not copied: most are never shown.
Picture LoadPicture(const QString& fileName) {
    const QResource file(QStringLiteral(":/assets/pictures/") + fileName);
    if (!file.isValid()) return {};
    if (file.compressionAlgorithm() != QResource::NoCompression)
        return MakePicture(file.uncompressedData());
    return MakePicture(QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                               static_cast<qsizetype>(file.size())));
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
