#include "exam_clock.h"

#include "events/main_form.h"
#include "form_view.h"

#include <QAccessible>
#include <QApplication>

namespace vorn {

QString MinutesSeconds(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

ExamClock::ExamClock(MainForm& form, FormView& view, int limitSeconds, int alreadyUsed)
    : form_(form), view_(view), limit_(limitSeconds), alreadyUsed_(alreadyUsed) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void ExamClock::start() {
    elapsed_.start();
    timer_.start();
    tick();
}

int ExamClock::usedSeconds() const {
    if (usedAtGrading_ >= 0) return usedAtGrading_;
    const int now = elapsed_.isValid() ? static_cast<int>(elapsed_.elapsed() / 1000) : 0;
    return std::min(limit_, alreadyUsed_ + now);
}

void ExamClock::stop() {
    if (usedAtGrading_ < 0) usedAtGrading_ = usedSeconds();
    timer_.stop();
}

void ExamClock::tick() {
    const int left =
        std::max(0, limit_ - alreadyUsed_ - static_cast<int>(elapsed_.elapsed() / 1000));
    // Told once each, and only when there was more time than that at the start.
    const struct {
        int at;
        const char* note;
    } warnings[] = {{300, "остават 5 минути"}, {60, "остава 1 минута"}};
    QString note;
    for (int i = told_; i < 2; ++i)
        if (left <= warnings[i].at && limit_ > warnings[i].at && left > warnings[i].at - 10) {
            note = QString::fromUtf8(warnings[i].note);
            if (told_ == i) {
                told_ = i + 1;
                view_.setAccessibleDescription(QStringLiteral("Внимание: ") + note + u'.');
                QAccessibleEvent alert(&view_, QAccessible::Alert);
                QAccessible::updateAccessibility(&alert);
            }
        }
    form_.showTimeLeft(MinutesSeconds(left) +
                       (note.isEmpty() ? QString() : QStringLiteral(" – ") + note));
    view_.refresh();
    if (left == 0) {
        ranOut_ = true;
        usedAtGrading_ = limit_;
        timer_.stop();
        // A question still open (grade? leave?) has lost its point: it is
        // answered "Не" and the test graded.
        if (QWidget* question = QApplication::activeModalWidget()) question->close();
        view_.timeUp();
    }
}

} // namespace vorn
