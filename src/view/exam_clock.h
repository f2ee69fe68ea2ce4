#pragma once
// The time limit of a test (--time-limit): it counts while the test window is
// open and shows the time left every second, in the caption and in large
// figures in the window. At 5 minutes and at 1 minute left it warns once (a
// note in the caption, an alert for screen readers and a box that stays until
// the examinee closes it, the later warning taking the earlier one's place);
// at zero it grades the test as "Оценяване" does and says so before the
// window shows the result. It stops when told that the test is graded,
// however. The clock never waits for a box.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QMessageBox;

namespace vorn {

class FormView;
class MainForm;

// Milliseconds since the clock started.
using ElapsedMilliseconds = std::function<qint64()>;

class ExamClock : public QObject {
public:
    // `alreadyUsed`: seconds of the same attempt before a crash. `elapsed`:
    // where the time comes from; the machine's monotonic clock unless given.
    ExamClock(MainForm& form, FormView& view, int limitSeconds, int alreadyUsed = 0,
              ElapsedMilliseconds elapsed = {});

    void start();
    // The test is graded: the time used stays where it is.
    void stop();
    // Reads the time and shows it, warns or ends the test; every second.
    void update();
    int limitSeconds() const { return limit_; }
    int usedSeconds() const; // until grading, or until now
    bool ranOut() const { return ranOut_; }

private:
    void warn(const QString& note);
    void runOut();

    MainForm& form_;
    FormView& view_;
    int limit_;
    int alreadyUsed_;
    QTimer timer_;
    QElapsedTimer machineClock_;
    ElapsedMilliseconds elapsed_;
    bool started_ = false;
    int usedAtGrading_ = -1;
    bool ranOut_ = false;
    int told_ = 0; // how many of the two warnings were given
    QPointer<QMessageBox> warning_;
};

// "40:00", "4:59", "125:00": the minutes and seconds of a count of seconds.
QString MinutesSeconds(int seconds);

} // namespace vorn
