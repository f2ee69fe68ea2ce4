#pragma once
// Options that are pictures. Such an option is shown as its picture, and a
// text names it wherever a text is needed: the key, the record, the report.

#include "bank_content.h"

#include <QString>
#include <QStringList>

namespace vorn {

// The picture of option `index` (0-based, in stored order); empty for an
// option that is text.
Picture OptionPicture(const Question& question, int index);

// Whether any option of the question is a picture.
bool HasOptionPictures(const Question& question);

// Gives the question its options' pictures, one per option, empty ones for
// texts; kept only when one is a picture, so that a question of texts stays
// as it was.
void SetOptionPictures(Question& question, std::vector<Picture> pictures);

// The name of a picture option shown from `source` (a file's path or an
// address): the file's name without folders, or "картинка N" (N: the
// option's number in stored order) when there is none or another option
// already goes by it (`taken`).
QString OptionPictureName(const QString& source, int number, const QStringList& taken = {});

} // namespace vorn
