#include "student_flags.h"

#include <algorithm>

namespace vorn {

namespace {

// Distinct sources and records in clear kept per student: far more than an
// exam writes, few enough that a file of forgeries cannot fill memory.
constexpr qsizetype kKeptPerStudent = 64;

// "file:line"
QString Where(const RecordPlace& place) {
    return QStringLiteral("%1:%2").arg(place.file).arg(place.line);
}

} // namespace

void StudentRecordChecks::add(const ResultRecord& record, const RecordPlace& place) {
    if (record.attempt && !record.abandoned) ++finishedByAttempt_[*record.attempt];
    const QString where = Where(place);
    if (record.journalSince && (!firstJournal_ || *record.journalSince < *firstJournal_))
        firstJournal_ = record.journalSince;
    written_.emplace_back(record.run.time, where);
    if (record.attempt) addExamRecord(record, place);
    if (!place.afterChainBreak) return;
    if (afterChainBreak_.size() < kListedAfterChainBreak)
        afterChainBreak_.append(where);
    else
        ++moreAfterChainBreak_;
}

void StudentRecordChecks::addExamRecord(const ResultRecord& record, const RecordPlace& place) {
    if (!place.sealed && plainExamRecords_.size() < kKeptPerStudent)
        plainExamRecords_.push_back(place);
    const QString source = QStringLiteral("%1 на %2").arg(record.run.user, record.run.host);
    if (sources_.size() == kKeptPerStudent || sources_.contains(source)) return;
    sources_.append(source);
    logins_.insert(record.run.user);
    hosts_.insert(record.run.host);
}

StudentFlags StudentRecordChecks::flags(const QSet<QString>& sealedFiles) const {
    StudentFlags flags;
    for (auto it = finishedByAttempt_.cbegin(); it != finishedByAttempt_.cend(); ++it)
        if (it.value() > 1) flags.repeated.push_back({.attempt = it.key(), .records = it.value()});
    std::sort(flags.repeated.begin(), flags.repeated.end(),
              [](const auto& a, const auto& b) { return a.attempt < b.attempt; });
    flags.afterChainBreak = afterChainBreak_;
    flags.moreAfterChainBreak = moreAfterChainBreak_;
    if (firstJournal_)
        for (const auto& [time, where] : written_)
            if (time.isValid() && time < *firstJournal_) flags.beforeFirstJournal.append(where);
    if (logins_.size() > 1 || hosts_.size() > 1) {
        flags.sources = sources_.mid(0, kListedSources);
        flags.moreSources = int(sources_.size() - flags.sources.size());
    }
    for (const RecordPlace& place : plainExamRecords_)
        if (sealedFiles.contains(place.file)) flags.plainAmongSealed.append(Where(place));
    return flags;
}

QStringList StudentFlagTexts(const StudentFlags& flags) {
    QStringList texts;
    for (const StudentFlags::Repeated& r : flags.repeated)
        texts.append(QStringLiteral("%1 записа с опит № %2")
                         .arg(r.records == 2 ? QStringLiteral("два") : QString::number(r.records))
                         .arg(r.attempt));
    for (const QString& place : flags.afterChainBreak)
        texts.append(QStringLiteral("веригата на файла е прекъсната пред записа %1 (запис е "
                                    "изтрит, променен или преместен)")
                         .arg(place));
    if (flags.moreAfterChainBreak > 0)
        texts.append(QStringLiteral("и още %1 записа след прекъсване на веригата")
                         .arg(flags.moreAfterChainBreak));
    for (const QString& place : flags.beforeFirstJournal)
        texts.append(QStringLiteral("записът %1 е по-стар от първия дневник на ученика (копиран "
                                    "запис или променено време)")
                         .arg(place));
    if (!flags.sources.isEmpty())
        texts.append(
            QStringLiteral("записите на ученика идват от различни потребители или компютри: %1%2")
                .arg(flags.sources.join(QStringLiteral(", ")),
                     flags.moreSources > 0 ? QStringLiteral(" и още %1").arg(flags.moreSources)
                                           : QString()));
    for (const QString& place : flags.plainAmongSealed)
        texts.append(QStringLiteral("незапечатан запис сред запечатани: %1").arg(place));
    return texts;
}

} // namespace vorn
