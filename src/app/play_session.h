#pragma once
// One play of a test in the window: the form, its view, and whoever follows
// the attempt (the results file, the exam's journal and clock). Members are
// declared in the order they are built and destroyed in reverse: the
// followers go before the view they show boxes over, the view before the
// form it draws.

#include "attempt_followers.h"
#include "bank/loaded_bank.h"
#include "command_line.h"
#include "events/main_form.h"
#include "exam.h"
#include "platform/random_source.h"
#include "record/student.h"
#include "results_saving.h"
#include "view/exam_clock.h"
#include "view/form_view.h"

#include <QElapsedTimer>
#include <memory>
#include <optional>

namespace vorn {

class PlaySession {
public:
    // With a class list the student chooses from it; with none they type
    // who they are.
    PlaySession(const CommandLine& line, BankContent bank, std::vector<Student> classList = {});
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Starts the attempt, asks who answers and takes up the exam; then shows
    // the window. An exit status when the play ends before the window.
    std::optional<int> open();
    const MainForm& form() const { return form_; }

private:
    bool takeUpExam();
    void buildWindow();
    ResultRecord recordOf(const Attempt& attempt) const;
    int usedSeconds() const;

    const CommandLine line_;
    const QString sha256_;
    ClockRandom random_;
    MainForm form_;
    std::vector<Student> classList_;
    std::optional<Student> student_;
    std::optional<ExamSession> exam_;
    std::optional<JournalPlace> journalPlace_; // --exam
    std::uint32_t seed_ = 0;
    int usedBefore_ = 0; // seconds of the same attempt before a crash
    std::optional<int> timeLimit_;
    std::optional<ExamPublicKey> sealTo_; // --results-key
    QElapsedTimer opened_;

    std::unique_ptr<FormView> view_;
    std::optional<ResultsKeeper> results_;
    std::unique_ptr<ExamClock> clock_;
    std::unique_ptr<ExamJournalKeeper> journal_;
    std::unique_ptr<ExamQuestionsAsked> questions_;
    std::unique_ptr<AttemptFollowers> followers_;
};

} // namespace vorn
