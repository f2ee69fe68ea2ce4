#pragma once
// VORN_Prazno, the main form: its controls as the design lays them out, the
// run on show, and the events. Each event asks the run to change, then shows
// it; the Qt view draws the controls and delivers the user's input as these
// events.
//
//   window/    the design, the events, the author notice and exit
//   run/       Attempt: the state of a run and what can happen to it
//   present/   the one place that writes the controls from a run

#include "bank/bank_content.h"
#include "form/form_controls.h"
#include "platform/random_source.h"
#include "run/attempt.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vorn {

class VORN_Prazno {
public:
    VORN_Prazno(BankContent bank, RandomSource& random);
    VORN_Prazno(const VORN_Prazno&) = delete;
    VORN_Prazno& operator=(const VORN_Prazno&) = delete;

    const FormControls& controls() const { return controls_; }

    // Names the examinee in the caption, where the publisher's address stands
    // otherwise ("Иван Петров, 7б    ВОРН - Сорвелин").
    void ShowExaminee(const QString& who);
    // The time left, after the caption ("    12:34"), with a note when it is
    // short; an empty text takes it away.
    void ShowTimeLeft(const QString& left);
    const Attempt& run() const { return run_; }
    const BankContent& bank() const { return bank_; }

    // ---- events ----
    void Form_Load();                        // the start of the run
    void Command1_Click(std::int16_t Index); // 0 "Напред", 1 "Назад" in test mode
    void Command2_Click(std::int16_t Index); // 0 grading; 1 "Напред", 2 "Назад" in review
    void Option1_Click(std::int16_t Index);  // an answer
    void autor_Click();                      // the author notice
    void izhod_Click(std::int16_t Index);    // exit
    void TimeUp(); // the time limit ran out: graded as "Оценяване" grades

    // Ends the program; the platform sets it to leave its event loop.
    std::function<void()> End = [] {};
    // Runs at the very end of grading, with the run graded; the platform sets
    // it to keep the results.
    std::function<void()> Graded = [] {};

    // ---- the exam's rules; unset, the form asks nothing ----
    // Asked before grading a test with positions left open (1-based, in
    // order); false keeps the test going.
    std::function<bool(const std::vector<int>& open)> ConfirmGrading;
    // Asked before leaving a test that is not graded; false keeps it going.
    std::function<bool()> ConfirmStop;
    // Runs when the examinee has left a test that is not graded, before End.
    std::function<void()> Abandoned = [] {};
    // Runs after every answer and move of a test not yet graded, and after
    // grading: what is kept against a crash follows the run.
    std::function<void()> Changed = [] {};

    // Goes on with a run kept from before, in place of Form_Load's start.
    void Resume(Attempt run);

private:
    void grade();

    FormControls controls_;
    QString caption_; // the caption without the time left
    Attempt run_;
    const BankContent bank_;
    RandomSource& Rnd;
};

} // namespace vorn
