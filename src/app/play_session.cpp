#include "play_session.h"

#include "bank/bank_fingerprint.h"
#include "bank/bank_limits.h"
#include "platform/exit_status.h"
#include "record/run_record.h"
#include "view/first_frame.h"
#include "view/messages.h"
#include "view/student_dialog.h"

#include <QApplication>
#include <QScreen>

namespace vorn {

PlaySession::PlaySession(const CommandLine& line, BankContent bank, std::vector<Student> classList)
    : line_(line), sha256_(BankSha256(bank)), random_(line.seed), form_(std::move(bank), random_),
      classList_(std::move(classList)) {
    form_.setReviewShows(line.review);
}

std::optional<int> PlaySession::open() {
    try {
        form_.start();
    } catch (const BankLimitError& error) {
        ShowErrorAndWait(form_.controls().window.Caption, error.message());
        return kExitRefused;
    }
    seed_ = random_.seed();
    // A key that cannot be read stops the test before anyone answers: the
    // records would go out unsealed or not at all.
    if (!line_.resultsKey.isEmpty()) {
        auto key = ReadExamPublicKey(line_.resultsKey);
        if (const auto* problem = std::get_if<QString>(&key)) {
            ShowErrorAndWait(form_.controls().window.Caption,
                             QStringLiteral("Тестът не може да започне: ") + *problem);
            return kExitRefused;
        }
        sealTo_ = std::get<ExamPublicKey>(key);
    }
    // Who is answering, once the test can start and before its window; Esc
    // ends the program with nothing written.
    if (line_.askName && !(student_ = AskStudent(classList_))) return kExitOk;
    if (student_) form_.showExaminee(StudentCaption(*student_));
    timeLimit_ = line_.timeLimit;
    if (line_.exam && !takeUpExam()) return kExitRefused;
    if (line_.exam) form_.nameButtonsAsLabelled();
    buildWindow();
    return std::nullopt;
}

// The exam goes on from its journal: the same attempt after a crash or a
// pause, with the limit it started with and the time it had used.
bool PlaySession::takeUpExam() {
    // A student chosen from the class list is known by class and number.
    const KnownBy knownBy = classList_.empty() ? KnownBy::Name : KnownBy::Number;
    auto place = PlaceJournal(JournalPath(line_.results, sha256_, *student_, knownBy));
    if (const auto* problem = std::get_if<QString>(&place)) {
        ShowErrorAndWait(form_.controls().window.Caption,
                         QStringLiteral("Тестът не може да започне: ") + *problem);
        return false;
    }
    journalPlace_ = std::get<JournalPlace>(std::move(place));
    const AttemptsOnRecord onRecord = AttemptsInResults(
        line_.results,
        {.bankSha256 = sha256_, .student = *student_, .knownBy = knownBy, .sealedTo = sealTo_});
    exam_ = StartExam(*journalPlace_, form_.bank(),
                      {.program = QStringLiteral(VORN_VERSION),
                       .bankSha256 = sha256_,
                       .student = *student_,
                       .attempts = line_.attempts,
                       .counted = line_.attemptsCounted,
                       .knownBy = knownBy,
                       .onRecord = onRecord},
                      form_.controls().window.Caption);
    if (!exam_) return false;
    Journal& journal = exam_->start.journal;
    // The limit is the exam's own, never the journal's: only the time used
    // is taken from it, and only from a journal that authenticates.
    if (exam_->start.run) {
        form_.resume(*exam_->start.run);
        seed_ = journal.seed;
        usedBefore_ = journal.timeUsed;
    }
    journal.seed = seed_;
    journal.timeLimit = timeLimit_;
    if (!journal.since) journal.since = QDateTime::currentDateTimeUtc();
    return true;
}

void PlaySession::buildWindow() {
    // The window's font for everything: a text box lays out its empty page as
    // it is made, before it takes the window's font, and would load the
    // default face only for that.
    const WindowLook& look = form_.controls().window;
    QApplication::setFont(QFont(look.FontName, look.FontSize));
    const WindowSize size = line_.kiosk        ? WindowSize::Locked
                            : line_.fullScreen ? WindowSize::Sizable
                                               : WindowSize::Fixed;
    view_ = std::make_unique<FormView>(form_, size);
    if (line_.quitAfterFirstFrame) QuitAfterFirstFrame(view_->canvas());
    if (line_.largePictures) view_->letPicturesOpenLarge();

    Followers followers{.recordOf = [this](const Attempt& a) { return recordOf(a); }};
    if (!line_.results.isEmpty()) {
        results_.emplace(ResultsPlace{.path = line_.results,
                                      .fallbackPath = FallbackResultsPath(),
                                      .sealTo = sealTo_},
                         view_.get(), look.Caption);
        followers.results = &*results_;
    }
    if (timeLimit_) {
        clock_ = std::make_unique<ExamClock>(form_, *view_, *timeLimit_, usedBefore_);
        followers.clock = clock_.get();
    }
    if (exam_) {
        journal_ =
            std::make_unique<ExamJournalKeeper>(*journalPlace_, exam_->start.journal, form_,
                                                view_.get(), [this] { return usedSeconds(); });
        followers.journal = journal_.get();
        questions_ = std::make_unique<ExamQuestionsAsked>(form_, *view_);
        form_.setQuestions(questions_.get());
    }
    followers_ = std::make_unique<AttemptFollowers>(std::move(followers));
    form_.setListener(followers_.get());

    if (line_.fullScreen) {
        // The screen's size also where no window manager makes it full screen.
        view_->setGeometry(view_->screen()->geometry());
        view_->showFullScreen();
    } else
        view_->show();
    opened_.start();
    if (clock_) clock_->start(); // the time counts while the test window is open
    if (journal_) journal_->start();
}

ResultRecord PlaySession::recordOf(const Attempt& attempt) const {
    ResultRecord record = RecordOfRun(attempt, FactsOfThisRun(sha256_, seed_));
    record.student = student_;
    if (!classList_.empty()) record.knownBy = KnownBy::Number;
    if (exam_) {
        record.attempt = exam_->start.journal.attempt;
        record.journalSince = exam_->start.journal.since;
    }
    if (clock_)
        record.time =
            ResultRecord::Time{clock_->limitSeconds(), clock_->usedSeconds(), clock_->ranOut()};
    return record;
}

// The time of the attempt so far, the seconds before a crash included.
int PlaySession::usedSeconds() const {
    if (clock_) return clock_->usedSeconds();
    return usedBefore_ + static_cast<int>(opened_.elapsed() / 1000);
}

} // namespace vorn
