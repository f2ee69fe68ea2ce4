#include "exam_start.h"

namespace vorn {

namespace {

Journal NewAttempt(const ExamFacts& facts, int attempt, int graded) {
    Journal journal;
    journal.program = facts.program;
    journal.bankSha256 = facts.bankSha256;
    journal.student = facts.student;
    journal.attempt = attempt;
    journal.graded = graded;
    return journal;
}

// A journal found under this bank's and student's name that is not theirs.
std::optional<QString> NotTheirs(const Journal& journal, const ExamFacts& facts) {
    if (journal.bankSha256 != facts.bankSha256) return QStringLiteral("Дневникът е от друг тест.");
    if (StudentIdentity(journal.student, facts.knownBy) !=
        StudentIdentity(facts.student, facts.knownBy))
        return QStringLiteral("Дневникът е на %1.").arg(StudentCaption(journal.student));
    return std::nullopt;
}

QString Times(int n) {
    return n == 1 ? QStringLiteral("1 път") : QStringLiteral("%1 пъти").arg(n);
}

// The run left open (after a crash) or paused (left before grading, where
// that does not count), taken up again with the time it had used.
std::variant<ExamStart, ExamRefusal> Resumed(const Journal& journal, const BankContent& bank,
                                             const ExamFacts& facts) {
    // A run is taken up again only by the program that wrote it.
    if (journal.program != facts.program)
        return ExamRefusal{
            QStringLiteral("Започнатият опит е записан от версия %1 на програмата, а тази е %2.")
                .arg(journal.program, facts.program),
            true};
    QString error;
    if (auto run = Attempt::fromJson(journal.run, bank, &error)) {
        Journal resumed = journal;
        resumed.state = Journal::State::Open;
        resumed.student.number = facts.student.number;
        return ExamStart{resumed, std::move(run), false, {}};
    }
    return ExamRefusal{QStringLiteral("Започнатият опит не пасва на теста: %1.").arg(error), true};
}

// The attempts made and graded before this start, as the results file and a
// journal that is no longer open tell them, the larger of each.
AttemptsOnRecord Made(const ExamFacts& facts, const Journal* finished = nullptr) {
    const AttemptsOnRecord& r = facts.onRecord;
    if (!finished) return r;
    return {std::max(r.made, finished->attempt), std::max(r.graded, finished->graded)};
}

// The attempts used up, when they are all there may be: every attempt made
// before the next one was graded or left.
std::optional<ExamRefusal> UsedUp(const AttemptsOnRecord& made, const ExamFacts& facts) {
    const bool all = facts.counted == AttemptsCounted::All;
    const int used = all ? made.made : made.graded;
    if (used < facts.attempts) return std::nullopt;
    const int left = made.made - made.graded;
    if (!all || left == 0)
        return ExamRefusal{QStringLiteral("Този тест вече е оценен %1 за %2, а разрешените "
                                          "опити са %3.")
                               .arg(Times(made.graded), StudentCaption(facts.student))
                               .arg(facts.attempts),
                           false};
    return ExamRefusal{
        QStringLiteral("Този тест вече е решаван %1 за %2 (оценен %3, прекъснат "
                       "%4), а разрешените опити са %5.")
            .arg(Times(used), StudentCaption(facts.student), Times(made.graded), Times(left))
            .arg(facts.attempts),
        false};
}

// Whether the results file holds the end of the journal's attempt already:
// the journal is an older copy put back. An attempt ends in one record,
// graded or abandoned; where only graded ones count, a pause ends in an
// abandoned record and the attempt goes on.
bool Over(const Journal& journal, const ExamFacts& facts) {
    if (facts.onRecord.graded > journal.graded) return true;
    return facts.counted == AttemptsCounted::All && facts.onRecord.made >= journal.attempt;
}

// The attempt after those made, since the first journal of `before`.
ExamStart Next(const AttemptsOnRecord& made, const ExamFacts& facts,
               const Journal* before = nullptr) {
    Journal journal = NewAttempt(facts, made.made + 1, made.graded);
    if (before) journal.since = before->since;
    return ExamStart{journal, std::nullopt, false, {}};
}

} // namespace

std::variant<ExamStart, ExamRefusal>
DecideExamStart(const JournalRead& read, const BankContent& bank, const ExamFacts& facts) {
    // The results file alone may say that the attempts are used up, whatever
    // the journal (deleted, replaced, an older copy) says.
    if (auto refusal = UsedUp(Made(facts), facts)) return *refusal;
    if (std::holds_alternative<NoJournal>(read)) return Next(Made(facts), facts);
    // Nothing in it can be trusted, not even the count of attempts; it is
    // kept for the teacher to look at.
    if (const auto* unreadable = std::get_if<UnreadableJournal>(&read))
        return ExamStart{Next(Made(facts), facts).journal, std::nullopt, true,
                         QStringLiteral("Дневникът на предишен опит не може да се прочете (%1); "
                                        "запазен е настрана за учителя. Тестът започва отначало.")
                             .arg(unreadable->why)};
    const Journal& journal = std::get<Journal>(read);
    if (const auto why = NotTheirs(journal, facts)) return ExamRefusal{*why, true};

    const bool paused =
        journal.state == Journal::State::Abandoned && facts.counted == AttemptsCounted::Graded;
    if ((journal.state == Journal::State::Open || paused) && !Over(journal, facts))
        return Resumed(journal, bank, facts);
    const AttemptsOnRecord made = Made(facts, &journal);
    if (auto refusal = UsedUp(made, facts)) return *refusal;
    return Next(made, facts, &journal);
}

ExamStart FreshAttemptAfter(const JournalRead& read, const ExamFacts& facts) {
    // The journal set aside still said how many attempts were made; where it
    // could be read, the count goes on from it.
    const auto* journal = std::get_if<Journal>(&read);
    const bool same = journal && !NotTheirs(*journal, facts);
    ExamStart start = Next(Made(facts, same ? journal : nullptr), facts, same ? journal : nullptr);
    start.keepOldAside = !std::holds_alternative<NoJournal>(read);
    return start;
}

} // namespace vorn
