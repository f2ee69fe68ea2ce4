#pragma once
// The main form: its controls as the design lays them out, the attempt on
// show, and the events a user can cause. Each event asks the attempt to
// change, presents it, then tells the listener what happened; the Qt view
// draws the controls and delivers the user's input as these events.

#include "bank/bank_content.h"
#include "form/form_controls.h"
#include "form_listener.h"
#include "platform/random_source.h"
#include "present/present.h"
#include "run/attempt.h"

namespace vorn {

class MainForm {
public:
    MainForm(BankContent bank, RandomSource& random);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    const FormControls& controls() const { return controls_; }
    const Attempt& attempt() const { return attempt_; }
    const BankContent& bank() const { return bank_; }
    // True once the examinee has left: the program ends.
    bool closed() const { return closed_; }

    // Set once, before the first event; unset, nobody is told and nothing asked.
    void setListener(FormListener* listener) { listener_ = listener; }
    void setQuestions(FormQuestions* questions) { questions_ = questions; }
    // What review shows after grading; everything unless an exam says less.
    void setReviewShows(ReviewShows shows) { reviewShows_ = shows; }

    // Names the examinee in the caption, where the publisher's address stands
    // otherwise ("Иван Петров, 7б    ВОРН - Сорвелин").
    void showExaminee(const QString& who);
    // The time left, after the caption ("    12:34") with a note when it is
    // short, and large in the window; an empty text takes it away.
    void showTimeLeft(const QString& left, const QString& note = {});
    // The help calls the grade button by its caption, "Оценяване", where the
    // shipped text says "Резултат".
    void nameButtonsAsLabelled();

    // ---- events ----
    void start();              // draws a new attempt and shows it
    void resume(Attempt kept); // goes on with an attempt kept from before
    void choose(int slot);     // an answer
    void forward();            // "Напред", in the test and in review
    void back();               // "Назад", in the test and in review
    void grade();              // "Оценяване"
    void showAuthor();         // "Автор"
    void exit();               // "Изход", or the window closed
    void timeUp();             // the time limit ran out: graded as "Оценяване" grades

private:
    void move(bool forward);
    void present();
    void gradeNow();

    FormControls controls_;
    QString caption_; // the caption without the time left
    const BankContent bank_;
    RandomSource& random_;
    Attempt attempt_;
    FormListener* listener_ = nullptr;
    FormQuestions* questions_ = nullptr;
    ReviewShows reviewShows_ = ReviewShows::Everything;
    bool closed_ = false;
};

} // namespace vorn
