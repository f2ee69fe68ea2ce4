#pragma once
// The time limit of a test (--time-limit): it counts while the test window is
// open, shows the time left in the caption every second, tells it once at 5
// minutes and at 1 minute left (a note in the caption and an alert for screen
// readers, no box that stops the examinee), and at zero grades the test as
// "Оценяване" does. It stops when told that the test is graded, however.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace vorn {

class FormView;
class MainForm;

class ExamClock : public QObject {
public:
    // `alreadyUsed`: seconds of the same attempt before a crash.
    ExamClock(MainForm& form, FormView& view, int limitSeconds, int alreadyUsed = 0);

    void start();
    // The test is graded: the time used stays where it is.
    void stop();
    int limitSeconds() const { return limit_; }
    int usedSeconds() const; // until grading, or until now
    bool ranOut() const { return ranOut_; }

private:
    void tick();

    MainForm& form_;
    FormView& view_;
    int limit_;
    int alreadyUsed_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    int usedAtGrading_ = -1;
    bool ranOut_ = false;
    int told_ = 0; // how many of the two warnings were given
};

// "40:00", "4:59", "125:00": the minutes and seconds of a count of seconds.
QString MinutesSeconds(int seconds);

} // namespace vorn
