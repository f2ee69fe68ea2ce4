#include "option_picture.h"

namespace vorn {

Picture OptionPicture(const Question& question, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= question.optionPictures.size()) return {};
    return question.optionPictures[static_cast<std::size_t>(index)];
}

bool HasOptionPictures(const Question& question) {
    for (const Picture& picture : question.optionPictures)
        if (picture) return true;
    return false;
}

void SetOptionPictures(Question& question, std::vector<Picture> pictures) {
    question.optionPictures = std::move(pictures);
    if (!HasOptionPictures(question)) question.optionPictures.clear();
}

QString OptionPictureName(const QString& source, int number, const QStringList& taken) {
    // Addresses and paths alike: what follows the last slash, without a query.
    const QString name = source.section(u'/', -1).section(u'?', 0, 0).trimmed();
    if (name.isEmpty() || taken.contains(name)) return QStringLiteral("картинка %1").arg(number);
    return name;
}

} // namespace vorn
