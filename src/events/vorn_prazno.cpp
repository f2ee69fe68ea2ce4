// The events of the main form: start, moves, answers, grading, the author
// notice and exit.

#include "vorn_prazno.h"

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

VORN_Prazno::VORN_Prazno(BankContent bank, RandomSource& random)
    : bank_(std::move(bank)), Rnd(random) {
    caption_ = controls_.Caption = WindowCaption(bank_.publisher);
}

void VORN_Prazno::ShowExaminee(const QString& who) {
    caption_ = controls_.Caption = WindowCaption(who);
}

void VORN_Prazno::ShowTimeLeft(const QString& left) {
    controls_.Caption = left.isEmpty() ? caption_ : caption_ + QStringLiteral("    ") + left;
}

void VORN_Prazno::TimeUp() {
    // No question asked: the time is over whatever the examinee would answer.
    if (run_.mode() == RunMode::Test) grade();
}

void VORN_Prazno::Form_Load() {
    // A bank that breaks a limit would fail half-way through the start (no
    // step to draw, no room for the check question): refuse it whole.
    if (const auto problem = CheckBankLimits(bank_)) throw BankLimitError(*problem);
    Rnd.Randomize();
    run_ = Attempt::Start(bank_, Rnd);
    Present(run_, controls_);
}

void VORN_Prazno::Resume(Attempt run) {
    run_ = std::move(run);
    Present(run_, controls_);
}

void VORN_Prazno::grade() {
    run_.gradeNow();
    Present(run_, controls_); // the result is shown before it is kept
    Graded();
    Changed();
}

void VORN_Prazno::Command1_Click(std::int16_t Index) {
    if (Index == 0) run_.moveForward();
    if (Index == 1) run_.moveBack();
    Present(run_, controls_); // also when the position did not move
    if (run_.mode() == RunMode::Test) Changed();
}

void VORN_Prazno::Command2_Click(std::int16_t Index) {
    if (Index == 0) {
        if (run_.mode() != RunMode::Test) return;
        std::vector<int> open;
        for (int p = 0; p < run_.questionCount(); ++p)
            if (!run_.chosenSlot(p)) open.push_back(p + 1);
        // The question may wait in a box of its own, while the clock can
        // still grade the test: once graded, it stays graded.
        if (!open.empty() && ConfirmGrading && !ConfirmGrading(open)) return;
        if (run_.mode() == RunMode::Test) grade();
        return;
    }
    if (Index == 1) run_.moveForward();
    if (Index == 2) run_.moveBack();
    Present(run_, controls_);
}

void VORN_Prazno::Option1_Click(std::int16_t Index) {
    run_.choose(Index);
    Present(run_, controls_);
    if (run_.mode() == RunMode::Test) Changed();
}

void VORN_Prazno::autor_Click() {
    // Only the information box changes; the run and its display stay.
    controls_.Text1(0).Text = AuthorNotice(bank_.publisher);
}

void VORN_Prazno::izhod_Click(std::int16_t /*Index*/) {
    if (run_.mode() == RunMode::Test && run_.questionCount() > 0 && ConfirmStop) {
        if (!ConfirmStop()) return;
        // Graded by the clock while the question waited: nothing is abandoned.
        if (run_.mode() == RunMode::Test) Abandoned();
    }
    End();
}

} // namespace vorn
