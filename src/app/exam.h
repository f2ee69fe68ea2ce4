#pragma once
// The lab exam (--exam) around the window: the start from the journal (a
// first attempt, the same run after a crash, the next attempt, or none), the
// questions before grading and before leaving, and the journal kept after
// every answer and every 15 seconds.

#include "bank/bank_content.h"
#include "events/form_listener.h"
#include "exam/exam_start.h"
#include "exam/held_lock.h"
#include "exam/journal_place.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace vorn {

class MainForm;

// The start of the student's exam, and the lock that keeps a second window
// for the same student and test from starting while this one lives: two
// would write one journal in turn, each undoing the other's answers and its
// grading.
struct ExamSession {
    ExamStart start;
    std::unique_ptr<HeldLock> lock;
};

// Why the exam's lock at `lockPath` was not had, and what to do: for the
// student and, where the file failed, for the teacher who comes.
QString LockRefusal(const HeldLock& lock, const QString& lockPath, const Student& student);

// Where the student's exam starts. None when it may not: the reason has been
// told (standard error, and a box where one can be seen).
std::optional<ExamSession> StartExam(const JournalPlace& place, const BankContent& bank,
                                     const ExamFacts& facts, const QString& title);

// Keeps the journal of the attempt: at once, after every answer and move,
// every kJournalSeconds, when graded and when abandoned: the own copy and the
// shared one. An own copy that cannot be written is told once in a box, a
// shared one that cannot (a classmate's file in its place) once on standard
// error; the test goes on.
class ExamJournalKeeper : public QObject {
public:
    // `usedSeconds`: the time of the attempt so far, the seconds before a
    // crash included.
    ExamJournalKeeper(JournalPlace place, Journal journal, const MainForm& form, QWidget* parent,
                      std::function<int()> usedSeconds);

    void start();
    void graded();
    void abandoned();
    void changed(); // an answer or a move

private:
    void write();

    JournalPlace place_;
    Journal journal_;
    const MainForm& form_;
    QWidget* parent_;
    std::function<int()> usedSeconds_;
    QTimer timer_;
    bool told_ = false;       // the own copy's problem
    bool toldShared_ = false; // the shared copy's
};

// The exam's two questions, asked in a box over the window, titled with the
// window's caption at the time.
class ExamQuestionsAsked : public FormQuestions {
public:
    ExamQuestionsAsked(const MainForm& form, QWidget& window) : form_(form), window_(window) {}

    bool confirmGrading(const std::vector<int>& open) override;
    bool confirmLeaving(const Attempt& attempt) override;

private:
    const MainForm& form_;
    QWidget& window_;
};

} // namespace vorn
