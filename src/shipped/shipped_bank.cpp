#include "shipped_bank.h"

#include "shipped_picture_files.h"
#include "shipped_questions.h"

#include <QFile>

namespace vorn {

namespace {

// The picture files are compiled in as resources. A file that is missing
// leaves its questions without a picture rather than stopping the program.
Picture LoadPicture(const QString& fileName) {
    QFile file(QStringLiteral(":/assets/pictures/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return MakePicture(file.readAll());
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
