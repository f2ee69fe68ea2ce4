#include "attempts_on_record.h"

#include "platform/regular_file.h"
#include "record/sealed_line.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace vorn {

namespace {

// What a plain line says of whose attempt it is: graded, abandoned, or not
// this student's.
enum class Line { Other, Graded, Abandoned };

Line PlainLine(const QByteArray& line, const WhoseAttempts& whose) {
    // Most lines are other students' or other banks': looked at, not parsed.
    if (!line.contains(whose.bankSha256.toLatin1())) return Line::Other;
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    const QJsonObject s = o.value("student").toObject();
    if (o.value("bank").toObject().value("sha256").toString() != whose.bankSha256 || s.isEmpty())
        return Line::Other;
    const Student student{s.value("name").toString(), s.value("class").toString(),
                          s.value("number").toString()};
    const KnownBy by = s.value("listed").toBool() ? KnownBy::Number : KnownBy::Name;
    if (by != whose.knownBy ||
        StudentIdentity(student, by) != StudentIdentity(whose.student, whose.knownBy))
        return Line::Other;
    return o.value("abandoned").toBool() ? Line::Abandoned : Line::Graded;
}

} // namespace

AttemptsOnRecord AttemptsInResults(const QString& resultsPath, const WhoseAttempts& whose) {
    QFile file;
    if (OpenRegularFile(file, resultsPath) != OpenOutcome::Opened) return {};
    const auto tag = [&whose](bool abandoned) {
        return whose.sealedTo ? StudentTag(*whose.sealedTo, {whose.student, whose.knownBy,
                                                             whose.bankSha256, abandoned})
                              : QByteArray();
    };
    const QByteArray gradedTag = tag(false), abandonedTag = tag(true);
    AttemptsOnRecord found;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        Line kind = Line::Other;
        if (!IsSealedLine(line))
            kind = PlainLine(line, whose);
        else if (const QByteArray t = OpenRecordLine(line, nullptr).tag; !t.isEmpty())
            kind = t == gradedTag      ? Line::Graded
                   : t == abandonedTag ? Line::Abandoned
                                       : Line::Other;
        found.made += kind != Line::Other;
        found.graded += kind == Line::Graded;
    }
    return found;
}

} // namespace vorn
