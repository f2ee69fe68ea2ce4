#pragma once
// Who is answering, as the examinee gives it before the test (--ask-name):
// where all the pupils of a lab log in as one user, the login says nothing.

#include <QString>
#include <optional>

namespace vorn {

struct Student {
    QString name;      // "Име и фамилия", required
    QString className; // "Клас", e.g. "7б", required
    QString number;    // "Номер в класа", may be empty

    bool operator==(const Student&) const = default;
};

inline constexpr int kMaxStudentText = 80;

// Each text trimmed.
Student Trimmed(Student student);

// What is wrong with a (trimmed) student, as a Bulgarian sentence; none when
// it will do: name and class given, no text longer than 80 characters, no
// control characters.
std::optional<QString> StudentProblem(const Student& student);

// How students are told apart. By name where they type who they are: the
// number is left out, as it may be left empty one time and not the next, and
// two students with one name in one class are one. By number where they
// choose themselves from a class list, which gives each their number: two
// namesakes are two students (one without a number is known by name).
enum class KnownBy { Name, Number };

// Who the student is, whatever the spelling of the day: the class, and the
// name or the number, with blanks trimmed and runs of blanks made one, case
// folded, and Latin letters that look like Cyrillic ones read as those
// ("8А", " 8a" and "8а" are one class).
QString StudentIdentity(const Student& student, KnownBy by = KnownBy::Name);
// The class part of that identity: what makes two spellings one class.
QString ClassIdentity(const QString& className);

// "Иван Петров, 7б" and " № 12" where the number is given: how the window's
// caption names the examinee.
QString StudentCaption(const Student& student);

} // namespace vorn
