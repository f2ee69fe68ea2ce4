#include "student.h"

#include "platform/text.h"

#include <algorithm>

namespace vorn {

Student Trimmed(Student student) {
    for (QString* text : {&student.name, &student.className, &student.number})
        *text = text->trimmed();
    return student;
}

std::optional<QString> StudentProblem(const Student& student) {
    const struct {
        const QString& text;
        const char* label;
        bool required;
    } fields[] = {{student.name, "„Име и фамилия“", true},
                  {student.className, "„Клас“", true},
                  {student.number, "„Номер в класа“", false}};
    for (const auto& field : fields) {
        const QString label = QString::fromUtf8(field.label);
        if (field.required && field.text.isEmpty())
            return QStringLiteral("Попълнете %1.").arg(label);
        if (field.text.size() > kMaxStudentText)
            return QStringLiteral("%1 е по-дълго от %2 знака.").arg(label).arg(kMaxStudentText);
        if (std::any_of(field.text.begin(), field.text.end(), [](QChar c) {
                return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
            }))
            return QStringLiteral("%1 съдържа управляващ знак.").arg(label);
    }
    return std::nullopt;
}

namespace {

QString Folded(const QString& text) {
    return WithCyrillicLookAlikes(text.simplified()).toCaseFolded();
}

} // namespace

QString StudentIdentity(const Student& student, KnownBy by) {
    const QString number = student.number.trimmed();
    if (by == KnownBy::Number && !number.isEmpty())
        return ClassIdentity(student.className) + QStringLiteral("\n№") + number;
    return ClassIdentity(student.className) + u'\n' + Folded(student.name);
}

QString ClassIdentity(const QString& className) {
    return Folded(className);
}

QString StudentCaption(const Student& student) {
    QString caption = student.name + QStringLiteral(", ") + student.className;
    if (!student.number.isEmpty()) caption += QStringLiteral(" № ") + student.number;
    return caption;
}

} // namespace vorn
