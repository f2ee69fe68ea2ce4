#include "student_flags.h"

#include <algorithm>

namespace vorn {

void StudentRecordChecks::add(const ResultRecord& record, const RecordPlace& place) {
    if (record.attempt && !record.abandoned) ++finishedByAttempt_[*record.attempt];
    const QString where = QStringLiteral("%1:%2").arg(place.file).arg(place.line);
    if (record.journalSince && (!firstJournal_ || *record.journalSince < *firstJournal_))
        firstJournal_ = record.journalSince;
    written_.emplace_back(record.run.time, where);
    if (!place.afterChainBreak) return;
    if (afterChainBreak_.size() < kListedAfterChainBreak)
        afterChainBreak_.append(where);
    else
        ++moreAfterChainBreak_;
}

StudentFlags StudentRecordChecks::flags() const {
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
    return texts;
}

} // namespace vorn
