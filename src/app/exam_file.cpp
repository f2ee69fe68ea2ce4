#include "exam_file.h"

#include "platform/json_number.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <iterator>
#include <limits>

namespace vorn {

namespace {

const QString kFormat = QStringLiteral("vorn-exam");
constexpr int kVersion = 1;

// The keys a file may hold besides "format" and "version", each the option it
// stands for.
struct Key {
    const char* name;
    const char* option;
    enum Kind { Path, Text, Whole, Seconds, Flag } kind;
};
const Key kKeys[] = {
    {"bank", "--bank", Key::Path},
    {"results", "--results", Key::Path},
    {"resultsKey", "--results-key", Key::Path},
    {"timeLimit", "--time-limit", Key::Seconds},
    {"attempts", "--attempts", Key::Whole},
    {"attemptsCount", "--attempts-count", Key::Text},
    {"review", "--review", Key::Text},
    {"classList", "--class-list", Key::Path},
    {"bankLocked", "--lock", Key::Flag}, // the player asks for the password, and
                                         // refuses a bank that is not locked
};

QString ReviewName(ReviewShows shows) {
    switch (shows) {
    case ReviewShows::Nothing:
        return QStringLiteral("none");
    case ReviewShows::Score:
        return QStringLiteral("score");
    case ReviewShows::Everything:
        break;
    }
    return QStringLiteral("full");
}

// "m:ss", which the time limit's option reads to the second.
QString MinutesAndSeconds(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What is wrong with one key's value.
struct Wrong {
    QString said;
};

// One key's value as the option's words.
std::variant<QStringList, Wrong> OptionWords(const Key& key, const QJsonValue& value,
                                             const QDir& folder) {
    const auto wrong = [&key](const char* what) {
        return Wrong{QStringLiteral("„%1“ трябва да е %2.")
                         .arg(QLatin1String(key.name), QString::fromUtf8(what))};
    };
    if (key.kind == Key::Whole || key.kind == Key::Seconds) {
        const auto number = WholeNumber(value, 1, std::numeric_limits<int>::max());
        if (!number) return wrong("цяло положително число");
        return QStringList{QLatin1String(key.option), key.kind == Key::Seconds
                                                          ? MinutesAndSeconds(*number)
                                                          : QString::number(*number)};
    }
    if (key.kind == Key::Flag) {
        if (!value.isBool()) return wrong("true или false");
        return value.toBool() ? QStringList{QLatin1String(key.option)} : QStringList{};
    }
    if (!value.isString() || value.toString().isEmpty()) return wrong("непразен текст");
    if (key.kind == Key::Text) return QStringList{QLatin1String(key.option), value.toString()};
    return QStringList{QLatin1String(key.option),
                       QDir::cleanPath(folder.absoluteFilePath(value.toString()))};
}

} // namespace

bool IsExamFileName(const QString& path) {
    return path.endsWith(QLatin1String(".vorn-exam"), Qt::CaseInsensitive);
}

QByteArray ExamFileBytes(const CommandLine& line, const QString& examFile, bool bankLocked) {
    const QDir folder = QFileInfo(examFile).absoluteDir();
    const auto relative = [&folder](const QString& path) {
        return folder.relativeFilePath(QFileInfo(path).absoluteFilePath());
    };
    QJsonObject exam{{"format", kFormat},
                     {"version", kVersion},
                     {"results", relative(line.results)},
                     {"attempts", line.attempts},
                     {"attemptsCount", line.attemptsCounted == AttemptsCounted::All
                                           ? QStringLiteral("all")
                                           : QStringLiteral("graded")},
                     {"review", ReviewName(line.review)}};
    if (!line.bank.isEmpty()) exam.insert("bank", relative(line.bank));
    if (!line.resultsKey.isEmpty()) exam.insert("resultsKey", relative(line.resultsKey));
    if (line.timeLimit) exam.insert("timeLimit", *line.timeLimit);
    if (!line.classList.isEmpty()) exam.insert("classList", relative(line.classList));
    if (bankLocked) exam.insert("bankLocked", true);
    return QJsonDocument(exam).toJson(QJsonDocument::Indented);
}

std::variant<QStringList, QString> ExamFileArguments(const QByteArray& bytes,
                                                     const QString& folder) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("не е JSON обект.");
    const QJsonObject exam = document.object();
    if (exam.value("format") != kFormat)
        return QStringLiteral("не е файл на изпит („format“ не е „%1“).").arg(kFormat);
    if (exam.value("version") != kVersion)
        return QStringLiteral("версия, която тази програма не познава (тя чете версия %1).")
            .arg(kVersion);
    if (!exam.contains("results")) return QStringLiteral("липсва „results“.");
    QStringList arguments{QStringLiteral("--exam")};
    const QDir base(folder);
    for (auto it = exam.begin(); it != exam.end(); ++it) {
        if (it.key() == QLatin1String("format") || it.key() == QLatin1String("version")) continue;
        const Key* key = std::find_if(std::begin(kKeys), std::end(kKeys), [&it](const Key& k) {
            return it.key() == QLatin1String(k.name);
        });
        if (key == std::end(kKeys)) return QStringLiteral("непознат ключ „%1“.").arg(it.key());
        const auto words = OptionWords(*key, it.value(), base);
        if (const auto* wrong = std::get_if<Wrong>(&words)) return wrong->said;
        arguments << std::get<QStringList>(words);
    }
    return arguments;
}

} // namespace vorn
