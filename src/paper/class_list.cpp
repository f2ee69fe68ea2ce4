#include "class_list.h"

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

} // namespace

std::variant<std::vector<Student>, QStringList> ReadClassList(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return QStringList{QStringLiteral("списъкът не е в UTF-8; запишете го отново като "
                                          "„CSV UTF-8“ или „Текст в Unicode (UTF-8)“")};
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(u'\n');
    std::vector<Student> students;
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
        const auto [at, added] = seen.emplace(StudentIdentity(*reading.student), lineNumber);
        if (!added) {
            problems << QStringLiteral("ред %1: ученикът вече е в списъка на ред %2.")
                            .arg(lineNumber)
                            .arg(at->second);
            continue;
        }
        students.push_back(*reading.student);
    }
    if (!problems.isEmpty()) return problems;
    if (students.empty()) return QStringList{QStringLiteral("в списъка няма нито един ученик.")};
    return students;
}

} // namespace vorn
