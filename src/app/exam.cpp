#include "exam.h"

#include "events/main_form.h"
#include "exam/exam_questions.h"
#include "platform/file_failure.h"
#include "view/messages.h"

#include <QDir>

namespace vorn {

QString LockRefusal(const HeldLock& lock, const QString& lockPath, const Student& student) {
    if (lock.busy())
        return QStringLiteral("Тестът вече е отворен за %1 в друг прозорец на този компютър. "
                              "Затворете другия прозорец; ако няма такъв, %2")
            .arg(StudentCaption(student), StudentStep().toLower());
    const FileFailure failure = FailureOf(lockPath, lock.error());
    // The lock lives in the account's own runtime folder, not beside the results.
    return QStringLiteral("Изпитът не може да се пази от второ отваряне: "
                          "%1 не може да се създаде: %2. %3 (За учителя: %4)")
        .arg(QDir::toNativeSeparators(lockPath), failure.reason, StudentStep(),
             TeacherStep(failure, QStringLiteral("лична папка на потребителя с XDG_RUNTIME_DIR")));
}

std::optional<ExamSession> StartExam(const JournalPlace& place, const BankContent& bank,
                                     const ExamFacts& facts, const QString& title) {
    auto lock = std::make_unique<HeldLock>(place.lock);
    if (!lock->held()) {
        ShowErrorAndWait(title, LockRefusal(*lock, place.lock, facts.student));
        return std::nullopt;
    }
    QStringList told;
    const JournalRead read = FindJournal(place, told);
    for (const QString& line : told)
        SayOnStandardError(line);
    auto decided = DecideExamStart(read, bank, facts);
    const QString where = QDir::toNativeSeparators(place.shared);
    if (const auto* refusal = std::get_if<ExamRefusal>(&decided)) {
        if (!refusal->mayStartAfresh) {
            ShowErrorAndWait(title, refusal->message);
            return std::nullopt;
        }
        const QString question =
            refusal->message + QStringLiteral("\n\nДа започне ли нов опит? Дневникът %1 ще се "
                                              "запази настрана.")
                                   .arg(where);
        if (!AskYesNo(nullptr, title, question)) {
            SayOnStandardError(refusal->message + QStringLiteral(" Тестът не започна."));
            return std::nullopt;
        }
        decided = FreshAttemptAfter(read, facts);
    }
    ExamStart start = std::get<ExamStart>(std::move(decided));
    if (start.keepOldAside) {
        QStringList moved;
        const auto problem = SetJournalAside(place, moved);
        for (const QString& line : moved)
            SayOnStandardError(line);
        if (problem) {
            ShowErrorAndWait(title, *problem + u' ' + StudentStep());
            return std::nullopt;
        }
    }
    if (!start.notice.isEmpty()) ShowErrorAndWait(title, start.notice);
    return ExamSession{std::move(start), std::move(lock)};
}

ExamJournalKeeper::ExamJournalKeeper(JournalPlace place, Journal journal, const MainForm& form,
                                     QWidget* parent, std::function<int()> usedSeconds)
    : place_(std::move(place)), journal_(std::move(journal)), form_(form), parent_(parent),
      usedSeconds_(std::move(usedSeconds)) {
    timer_.setInterval(kJournalSeconds * 1000);
    connect(&timer_, &QTimer::timeout, this, [this] { write(); });
}

void ExamJournalKeeper::start() {
    write(); // the draws are kept before the first answer
    timer_.start();
}

void ExamJournalKeeper::changed() {
    if (journal_.state == Journal::State::Open) write();
}

void ExamJournalKeeper::graded() {
    if (journal_.state != Journal::State::Open) return;
    journal_.state = Journal::State::Graded;
    ++journal_.graded;
    write();
    timer_.stop();
}

void ExamJournalKeeper::abandoned() {
    if (journal_.state != Journal::State::Open) return;
    journal_.state = Journal::State::Abandoned;
    write();
    timer_.stop();
}

void ExamJournalKeeper::write() {
    journal_.run = form_.attempt().toJson();
    journal_.timeUsed = usedSeconds_();
    const auto problem = WriteJournal(place_.own, journal_, place_.key);
    const auto shared = WriteJournal(place_.shared, journal_, place_.key);
    if (shared && !problem && !toldShared_) {
        toldShared_ = true; // the own copy is kept: the exam goes on from it on this machine
        SayOnStandardError(
            QStringLiteral("дневникът не се копира до файла с резултатите: %1").arg(*shared));
    }
    if (!problem || told_) return;
    told_ = true; // once: the test goes on, and the results file may still take the record
    ShowWarning(parent_, form_.controls().window.Caption,
                QStringLiteral("Дневникът на изпита не може да се запише (%1). Тестът продължава, "
                               "но при срив отговорите ще се загубят. %2")
                    .arg(*problem, StudentStep()));
}

bool ExamQuestionsAsked::confirmGrading(const std::vector<int>& open) {
    return AskYesNo(&window_, form_.controls().window.Caption, UnansweredQuestion(open));
}

bool ExamQuestionsAsked::confirmLeaving(const Attempt& attempt) {
    return AskYesNo(&window_, form_.controls().window.Caption,
                    StopQuestion(attempt.answeredCount(), attempt.questionCount()));
}

} // namespace vorn
