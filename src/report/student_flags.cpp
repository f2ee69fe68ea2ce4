#include "student_flags.h"

#include <algorithm>

namespace vorn {

namespace {

// Distinct sources, records in clear and records that may be older than the
// first journal kept per student: far more than an exam writes, few enough
// that a file of forgeries cannot fill memory.
constexpr std::size_t kKeptPerStudent = 64;

} // namespace

int RecordFiles::numberOf(const QString& file) {
    // Records come file after file: the newest file is looked at first.
    if (!names_.isEmpty() && names_.back() == file) return static_cast<int>(names_.size() - 1);
    if (const auto it = numbers_.constFind(file); it != numbers_.cend()) return *it;
    const auto number = static_cast<int>(names_.size());
    names_.append(file);
    numbers_.insert(file, number);
    sealed_.push_back(false);
    return number;
}

// "file:line"
QString StudentRecordChecks::Where(const RecordFiles& files, Kept place) {
    return QStringLiteral("%1:%2").arg(files.name(place.file)).arg(place.line);
}

void StudentRecordChecks::add(const ResultRecord& record, const RecordPlace& place, int file) {
    const Kept kept{.line = place.line, .file = file};
    if (record.attempt && !record.abandoned) {
        // Attempts mostly come in their order: the latest is looked at first.
        const auto same = std::find_if(finishedByAttempt_.rbegin(), finishedByAttempt_.rend(),
                                       [&](const auto& r) { return r.attempt == *record.attempt; });
        if (same == finishedByAttempt_.rend())
            finishedByAttempt_.push_back({.attempt = *record.attempt, .records = 1});
        else
            ++same->records;
    }
    if (record.journalSince && (!firstJournal_ || *record.journalSince < *firstJournal_)) {
        firstJournal_ = record.journalSince;
        std::erase_if(written_, [&](const auto& w) { return !(w.first < *firstJournal_); });
    }
    // The first journal only moves earlier: a record not before it now never will be.
    if ((!firstJournal_ || record.run.time < *firstJournal_) && written_.size() < kKeptPerStudent)
        written_.emplace_back(record.run.time, kept);
    if (record.attempt) addExamRecord(record, place, kept);
    if (!place.afterChainBreak) return;
    if (std::ssize(afterChainBreak_) < kListedAfterChainBreak)
        afterChainBreak_.push_back(kept);
    else
        ++moreAfterChainBreak_;
}

void StudentRecordChecks::addExamRecord(const ResultRecord& record, const RecordPlace& place,
                                        Kept kept) {
    if (!place.sealed && plainExamRecords_.size() < kKeptPerStudent)
        plainExamRecords_.push_back(kept);
    // Compared as they are: an exam writes one source, spelt out only if flagged.
    const std::pair<QString, QString> source{record.run.user, record.run.host};
    if (sources_.size() == kKeptPerStudent ||
        std::find(sources_.begin(), sources_.end(), source) != sources_.end())
        return;
    sources_.push_back(source);
}

StudentFlags StudentRecordChecks::flags(const RecordFiles& files) const {
    StudentFlags flags;
    for (const StudentFlags::Repeated& r : finishedByAttempt_)
        if (r.records > 1) flags.repeated.push_back(r);
    std::sort(flags.repeated.begin(), flags.repeated.end(),
              [](const auto& a, const auto& b) { return a.attempt < b.attempt; });
    for (const Kept place : afterChainBreak_)
        flags.afterChainBreak.append(Where(files, place));
    flags.moreAfterChainBreak = moreAfterChainBreak_;
    if (firstJournal_)
        for (const auto& [time, place] : written_)
            if (time.isValid() && time < *firstJournal_)
                flags.beforeFirstJournal.append(Where(files, place));
    if (std::any_of(sources_.begin(), sources_.end(),
                    [&](const auto& s) { return s.first != sources_.front().first; }) ||
        std::any_of(sources_.begin(), sources_.end(),
                    [&](const auto& s) { return s.second != sources_.front().second; })) {
        for (const auto& [user, host] : sources_) {
            if (flags.sources.size() == kListedSources) break;
            flags.sources.append(QStringLiteral("%1 на %2").arg(user, host));
        }
        flags.moreSources = int(sources_.size() - flags.sources.size());
    }
    for (const Kept place : plainExamRecords_)
        if (files.sealed(place.file)) flags.plainAmongSealed.append(Where(files, place));
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
