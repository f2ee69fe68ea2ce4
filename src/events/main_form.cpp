// The events of the main form: start, moves, answers, grading, the author
// notice and exit.

#include "main_form.h"

#include "bank/bank_limits.h"
#include "present/present.h"

namespace vorn {

namespace {

const QString kProgramName = QStringLiteral("ВОРН - Сорвелин");

} // namespace

QString WindowCaption(const QString& before) {
    return before.isEmpty() ? kProgramName : before + QStringLiteral("    ") + kProgramName;
}

QString AuthorNotice(const QString& publisher) {
    if (publisher.isEmpty())
        return kProgramName + QStringLiteral(", версия ") + QStringLiteral(VORN_VERSION) + u'.';
    return QStringLiteral("За повече информация посетете ") + publisher + u'.';
}

MainForm::MainForm(BankContent bank, RandomSource& random)
    : bank_(std::move(bank)), random_(random) {
    caption_ = controls_.window.Caption = WindowCaption(bank_.publisher);
}

void MainForm::showExaminee(const QString& who) {
    caption_ = controls_.window.Caption = WindowCaption(who);
}

void MainForm::showTimeLeft(const QString& left, const QString& note) {
    const QString shown = note.isEmpty() ? left : left + QStringLiteral(" – ") + note;
    controls_.window.Caption =
        left.isEmpty() ? caption_ : caption_ + QStringLiteral("    ") + shown;
    controls_.timeLeft.Caption = left;
    controls_.timeLeft.Visible = !left.isEmpty();
}

void MainForm::nameButtonsAsLabelled() {
    // Only while the help is on show: the author notice and explanations stay.
    if (controls_.infoBox.Text == HelpText())
        controls_.infoBox.Text = HelpText(controls_.gradeButton.Caption);
}

void MainForm::start() {
    // A bank that breaks a limit would fail half-way through the start (no
    // step to draw, no room for the check question): refuse it whole.
    if (const auto problem = CheckBankLimits(bank_)) throw BankLimitError(*problem);
    random_.Randomize();
    attempt_ = Attempt::Start(bank_, random_);
    present();
}

void MainForm::resume(Attempt kept) {
    attempt_ = std::move(kept);
    present();
}

void MainForm::present() {
    Present(attempt_, controls_, reviewShows_);
}

void MainForm::choose(int slot) {
    attempt_.choose(slot);
    present();
    if (listener_ && attempt_.mode() == RunMode::Test) listener_->answered(attempt_);
}

void MainForm::forward() {
    move(true);
}

void MainForm::back() {
    move(false);
}

void MainForm::move(bool forward) {
    if (forward)
        attempt_.moveForward();
    else
        attempt_.moveBack();
    present(); // also when the position did not move
    if (listener_ && attempt_.mode() == RunMode::Test) listener_->answered(attempt_);
}

void MainForm::grade() {
    if (attempt_.mode() != RunMode::Test) return;
    std::vector<int> open;
    for (int p = 0; p < attempt_.questionCount(); ++p)
        if (!attempt_.chosenSlot(p)) open.push_back(p + 1);
    // The question may wait in a box of its own, while the clock can still
    // grade the test: once graded, it stays graded.
    if (!open.empty() && questions_ && !questions_->confirmGrading(open)) return;
    if (attempt_.mode() == RunMode::Test) gradeNow();
}

void MainForm::timeUp() {
    // No question asked: the time is over whatever the examinee would answer.
    if (attempt_.mode() == RunMode::Test) gradeNow();
}

void MainForm::gradeNow() {
    attempt_.gradeNow();
    present(); // the result is shown before it is kept
    if (listener_) listener_->graded(attempt_);
}

void MainForm::showAuthor() {
    // Only the information box changes; the attempt and its display stay.
    controls_.infoBox.Text = AuthorNotice(bank_.publisher);
}

void MainForm::exit() {
    if (attempt_.mode() == RunMode::Test && attempt_.questionCount() > 0 && questions_) {
        if (!questions_->confirmLeaving(attempt_)) return;
        // Graded by the clock while the question waited: nothing is abandoned.
        if (listener_ && attempt_.mode() == RunMode::Test) listener_->abandoned(attempt_);
    }
    closed_ = true;
}

} // namespace vorn
