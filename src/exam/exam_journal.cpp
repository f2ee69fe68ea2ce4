#include "exam_journal.h"
#include "platform/json_number.h"

#include "platform/file_failure.h"
#include "platform/regular_file.h"
#include "platform/whole_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>

namespace vorn {

namespace {

const QString kFormat = QStringLiteral("vorn-journal");
constexpr int kVersion = 2;
constexpr int kVersionWithJudgements = 1; // read, never written
// A journal holds one run: far less than this.
constexpr qint64 kMaxJournalBytes = 4 * 1024 * 1024;

const QString kStates[] = {QStringLiteral("open"), QStringLiteral("graded"),
                           QStringLiteral("abandoned")};

QString Hex12(const QByteArray& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(12));
}

} // namespace

QString JournalPath(const QString& resultsPath, const QString& bankSha256, const Student& student,
                    KnownBy knownBy) {
    // Whatever the spelling of the day: "8А" and "8а" find one journal.
    return resultsPath + u'.' + bankSha256.left(12) + u'-' +
           Hex12(StudentIdentity(student, knownBy).toUtf8()) + QStringLiteral(".journal");
}

namespace {

QJsonObject JournalObject(const Journal& journal) {
    QJsonObject object{
        {"format", kFormat},
        {"version", kVersion},
        {"program", journal.program},
        {"bank", journal.bankSha256},
        {"student", QJsonObject{{"name", journal.student.name},
                                {"class", journal.student.className},
                                {"number", journal.student.number}}},
        {"attempt", journal.attempt},
        {"graded", journal.graded},
        {"state", kStates[static_cast<int>(journal.state)]},
        {"seed", static_cast<qint64>(journal.seed)},
        {"timeLimit", journal.timeLimit ? QJsonValue(*journal.timeLimit) : QJsonValue()},
        {"timeUsed", journal.timeUsed},
        {"run", journal.run},
    };
    if (journal.since) object.insert("since", journal.since->toUTC().toString(Qt::ISODate));
    return object;
}

// What the MAC is taken over: the journal without its MAC, compact. Qt writes
// an object's keys in order and numbers as they were read, so the text read
// back and written again is the text that was signed.
QByteArray MacText(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray JournalBytes(const Journal& journal) {
    return QJsonDocument(JournalObject(journal)).toJson(QJsonDocument::Indented);
}

QByteArray JournalBytes(const Journal& journal, const JournalKey& key) {
    QJsonObject object = JournalObject(journal);
    object.insert("mac", QString::fromLatin1(JournalMac(MacText(object), key)));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::variant<NoJournal, Journal, UnreadableJournal> ReadJournal(const QString& path,
                                                                const JournalKey& key) {
    QFile file;
    int error = 0;
    switch (OpenRegularFile(file, path, &error, LastLink::Refused)) {
    case OpenOutcome::Missing:
        return NoJournal{};
    case OpenOutcome::Opened:
        break;
    case OpenOutcome::Folder:
    case OpenOutcome::NotRegular:
        return UnreadableJournal{QStringLiteral("не е обикновен файл")};
    case OpenOutcome::Unreadable:
        return UnreadableJournal{ReadReason(error)}; // the file was never opened
    }
    const QByteArray bytes = file.read(kMaxJournalBytes + 1);
    if (bytes.size() > kMaxJournalBytes)
        return UnreadableJournal{QStringLiteral("файлът е твърде голям за дневник")};
    auto read = AuthenticJournalFromBytes(bytes, key);
    if (auto* journal = std::get_if<Journal>(&read)) return std::move(*journal);
    return std::get<UnreadableJournal>(std::move(read));
}

std::variant<Journal, UnreadableJournal> JournalFromBytes(const QByteArray& bytes) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject o = document.object();
    if (!document.isObject() || o.value("format") != kFormat)
        return UnreadableJournal{QStringLiteral("не е дневник на изпит")};
    if (o.value("version") != kVersion && o.value("version") != kVersionWithJudgements)
        return UnreadableJournal{QStringLiteral("дневникът е от друга версия на формата")};

    Journal journal;
    const QJsonObject student = o.value("student").toObject();
    const auto attempt = WholeNumber(o.value("attempt"), 1, 1000);
    const auto graded = WholeNumber(o.value("graded"), 0, 1000);
    const auto seed = WholeNumber(o.value("seed"), 0, 0xFFFFFFFFLL);
    const auto used = WholeNumber(o.value("timeUsed"), 0, 1000 * 3600);
    const QJsonValue limit = o.value("timeLimit");
    const auto state = std::find(std::begin(kStates), std::end(kStates), o.value("state"));
    if (!o.value("program").isString() || !o.value("bank").isString() ||
        !student.value("name").isString() || !student.value("class").isString() ||
        !student.value("number").isString() || !attempt || !graded || *graded > *attempt || !seed ||
        !used || !(limit.isNull() || WholeNumber(limit, 1, 300 * 60)) ||
        state == std::end(kStates) || !o.value("run").isObject())
        return UnreadableJournal{QStringLiteral("частите на дневника са непълни или повредени")};
    journal.program = o.value("program").toString();
    journal.bankSha256 = o.value("bank").toString();
    journal.student = Student{student.value("name").toString(), student.value("class").toString(),
                              student.value("number").toString()};
    journal.attempt = static_cast<int>(*attempt);
    journal.graded = static_cast<int>(*graded);
    journal.state = static_cast<Journal::State>(state - std::begin(kStates));
    journal.seed = static_cast<std::uint32_t>(*seed);
    if (!limit.isNull()) journal.timeLimit = limit.toInt();
    journal.timeUsed = static_cast<int>(*used);
    journal.run = o.value("run").toObject();
    if (o.contains("since")) {
        journal.since = QDateTime::fromString(o.value("since").toString(), Qt::ISODate);
        if (!journal.since->isValid())
            return UnreadableJournal{
                QStringLiteral("частите на дневника са непълни или повредени")};
    }
    return journal;
}

std::variant<Journal, UnreadableJournal> AuthenticJournalFromBytes(const QByteArray& bytes,
                                                                   const JournalKey& key) {
    QJsonObject object = QJsonDocument::fromJson(bytes).object();
    const QJsonValue mac = object.take("mac");
    if (!mac.isString() || !JournalMacFits(MacText(object), mac.toString().toLatin1(), key))
        return UnreadableJournal{
            QStringLiteral("дневникът не е записан от тази програма за този потребител")};
    return JournalFromBytes(bytes);
}

std::optional<QString> WriteJournal(const QString& path, const Journal& journal,
                                    const JournalKey& key) {
    return WriteWhole(path, JournalBytes(journal, key));
}

std::optional<QString> KeepJournalAside(const QString& path) {
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 0; n < 100; ++n) {
        const QString aside = QStringLiteral("%1.%2%3.kept")
                                  .arg(path, stamp, n == 0 ? QString() : u'-' + QString::number(n));
        // The name itself is moved, whatever it is (a link, a FIFO), and
        // nothing is ever replaced or copied.
        if (::renameat2(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD,
                        QFile::encodeName(aside).constData(), RENAME_NOREPLACE) == 0)
            return aside;
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

} // namespace vorn
