#include "class_list.h"

#include "bank/text_place.h"
#include "platform/regular_file.h"
#include "platform/text.h"

#include <QFile>

#include <QStringDecoder>

#include <algorithm>
#include <map>
#include <utility>

namespace vorn {

namespace {

QChar SeparatorOf(const QString& line) {
    for (const QChar separator : {QChar(u';'), QChar(u'\t'), QChar(u',')})
        if (line.contains(separator)) return separator;
    return QChar(u';');
}

bool IsNumber(const QString& text) {
    bool whole = false;
    const int number = text.toInt(&whole);
    return whole && number >= 1 && number <= kMaxClassNumber &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// A header names the columns: its first field is a word, where a student's
// is a number or empty.
bool IsHeader(const QStringList& fields) {
    const QString first = fields.value(0).trimmed();
    return !first.isEmpty() && !first.front().isDigit();
}

struct LineReading {
    std::optional<Student> student;
    QString problem;
};

LineReading ReadLine(const QString& line) {
    const QStringList fields = line.split(SeparatorOf(line));
    if (fields.size() != 3)
        return {
            std::nullopt,
            QStringLiteral("очакват се три полета „номер;име;клас“, а има %1").arg(fields.size())};
    const Student student = Trimmed({fields[1], fields[2], fields[0]});
    if (!student.number.isEmpty() && !IsNumber(student.number))
        return {std::nullopt, QStringLiteral("номерът „%1“ не е цяло число от 1 до %2")
                                  .arg(student.number)
                                  .arg(kMaxClassNumber)};
    if (auto problem = StudentProblem(student)) {
        if (problem->endsWith(u'.')) problem->chop(1);
        return {std::nullopt, *problem};
    }
    return {student, {}};
}

// The text of the list: UTF-8, or Bulgarian in windows-1251 as banks are
// read, with the warning that says so.
std::optional<std::pair<QString, QString>> ListText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (!decoder.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return std::pair{text, QString()};
    }
    if (auto windows1251 = ReadAsWindows1251(bytes))
        return std::pair{*windows1251,
                         QStringLiteral("списъкът е записан в windows-1251 (кирилицата на "
                                        "Windows), а не в UTF-8; прочетен е така, но го "
                                        "запишете като „CSV UTF-8“.")};
    return std::nullopt;
}

} // namespace

std::variant<ClassList, QStringList> ReadClassList(const QByteArray& bytes) {
    const auto read = ListText(bytes);
    if (!read)
        return QStringList{QStringLiteral("списъкът не е в UTF-8; запишете го отново като "
                                          "„CSV UTF-8“ или „Текст в Unicode (UTF-8)“")};
    const auto& [text, warning] = *read;
    const QStringList lines = text.split(u'\n');
    ClassList list{{}, warning};
    QStringList problems;
    std::map<QString, int> seen; // identity -> line
    bool first = true;
    for (int index = 0; index < lines.size(); ++index) {
        const QString line = QString(lines[index]).remove(u'\r');
        if (line.trimmed().isEmpty()) continue;
        const int lineNumber = index + 1;
        if (std::exchange(first, false) && IsHeader(line.split(SeparatorOf(line)))) continue;
        const LineReading reading = ReadLine(line);
        if (!reading.student) {
            problems << QStringLiteral("ред %1: %2.").arg(lineNumber).arg(reading.problem);
            continue;
        }
        const auto [at, added] =
            seen.emplace(StudentIdentity(*reading.student, KnownBy::Number), lineNumber);
        if (!added) {
            const Student& student = *reading.student;
            problems << (student.number.isEmpty()
                             ? QStringLiteral("ред %1: ученикът вече е в списъка на ред %2.")
                                   .arg(lineNumber)
                                   .arg(at->second)
                             : QStringLiteral("ред %1: номер %2 в клас %3 вече е на ред %4.")
                                   .arg(lineNumber)
                                   .arg(student.number, student.className)
                                   .arg(at->second));
            continue;
        }
        list.students.push_back(*reading.student);
    }
    if (!problems.isEmpty()) return problems;
    if (list.students.empty())
        return QStringList{QStringLiteral("в списъка няма нито един ученик.")};
    return list;
}

std::variant<ClassList, QString> ReadClassListFile(const QString& path) {
    constexpr qint64 kMaxBytes = 1024 * 1024;
    QFile file;
    int error = 0;
    if (OpenRegularFile(file, path, &error) != OpenOutcome::Opened || file.size() > kMaxBytes)
        return QStringLiteral("списъкът на класа %1 не може да се прочете (файл до 1 MiB).")
            .arg(Printable(path));
    const auto read = ReadClassList(file.read(kMaxBytes + 1));
    if (const auto* problems = std::get_if<QStringList>(&read))
        return QStringLiteral("списъкът на класа %1: %2")
            .arg(Printable(path), Printable(problems->join(QStringLiteral(" "))));
    return std::get<ClassList>(read);
}

} // namespace vorn
