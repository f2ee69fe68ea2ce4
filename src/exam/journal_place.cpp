#include "journal_place.h"

#include "own_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <tuple>

namespace vorn {

namespace {

// Anything at all at the path, a dangling link included.
bool Something(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

// Moved aside when there; false when it is there still.
bool MovedAside(const QString& path, QStringList& told) {
    if (!Something(path)) return true;
    const auto aside = KeepJournalAside(path);
    told << (aside ? QStringLiteral("дневникът %1 е преместен настрана като %2.")
                         .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(*aside))
                   : QStringLiteral("дневникът %1 не може да се премести настрана; не се "
                                    "използва.")
                         .arg(QDir::toNativeSeparators(path)));
    return aside.has_value();
}

auto Progress(const Journal& j) {
    return std::tuple(j.attempt, j.state != Journal::State::Open, j.graded, j.timeUsed);
}

} // namespace

std::variant<JournalPlace, QString> PlaceJournal(const QString& sharedPath) {
    const auto state = OwnStateFolder();
    if (const auto* problem = std::get_if<OwnFolderProblem>(&state)) return problem->why;
    const auto runtime = OwnRuntimeFolder();
    if (const auto* problem = std::get_if<OwnFolderProblem>(&runtime)) return problem->why;
    auto key = AccountJournalKey(std::get<QString>(state));
    if (const auto* problem = std::get_if<QString>(&key)) return *problem;
    // One name per shared journal, wherever the results folder is.
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(
            QFile::encodeName(QDir::cleanPath(QDir().absoluteFilePath(sharedPath))),
            QCryptographicHash::Sha256)
            .toHex()
            .left(24));
    return JournalPlace{.shared = sharedPath,
                        .own = std::get<QString>(state) + u'/' + name + QStringLiteral(".journal"),
                        .lock = std::get<QString>(runtime) + u'/' + name + QStringLiteral(".lock"),
                        .key = std::get<JournalKey>(key)};
}

JournalRead FindJournal(const JournalPlace& place, QStringList& told) {
    JournalRead own = ReadJournal(place.own, place.key);
    JournalRead shared = ReadJournal(place.shared, place.key);
    for (const auto& [read, path] : {std::pair(&own, place.own), std::pair(&shared, place.shared)})
        if (std::holds_alternative<UnreadableJournal>(*read)) {
            told << QStringLiteral("дневникът %1 не се използва: %2.")
                        .arg(QDir::toNativeSeparators(path),
                             std::get<UnreadableJournal>(*read).why);
            MovedAside(path, told);
        }
    const auto* ownJournal = std::get_if<Journal>(&own);
    const auto* sharedJournal = std::get_if<Journal>(&shared);
    if (ownJournal && sharedJournal)
        return Progress(*sharedJournal) > Progress(*ownJournal) ? shared : own;
    if (ownJournal) return own;
    if (sharedJournal) return shared;
    return std::holds_alternative<UnreadableJournal>(own) ? own : shared;
}

std::optional<QString> SetJournalAside(const JournalPlace& place, QStringList& told) {
    MovedAside(place.shared, told);
    if (MovedAside(place.own, told)) return std::nullopt;
    return QStringLiteral("Дневникът %1 не може да се премести настрана; тестът не започва, за "
                          "да не се загуби.")
        .arg(QDir::toNativeSeparators(place.own));
}

} // namespace vorn
