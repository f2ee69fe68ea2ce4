#include "exam_clock.h"

#include "events/main_form.h"
#include "form_view.h"
#include "messages.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>

namespace vorn {

QString MinutesSeconds(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

ExamClock::ExamClock(MainForm& form, FormView& view, int limitSeconds, int alreadyUsed,
                     ElapsedMilliseconds elapsed)
    : form_(form), view_(view), limit_(limitSeconds), alreadyUsed_(alreadyUsed),
      elapsed_(std::move(elapsed)) {
    if (!elapsed_) elapsed_ = [this] { return machineClock_.elapsed(); };
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] { update(); });
}

void ExamClock::start() {
    machineClock_.start();
    started_ = true;
    timer_.start();
    update();
}

int ExamClock::usedSeconds() const {
    if (usedAtGrading_ >= 0) return usedAtGrading_;
    const int now = started_ ? static_cast<int>(elapsed_() / 1000) : 0;
    return std::min(limit_, alreadyUsed_ + now);
}

void ExamClock::stop() {
    if (usedAtGrading_ < 0) usedAtGrading_ = usedSeconds();
    timer_.stop();
}

void ExamClock::update() {
    if (usedAtGrading_ >= 0) return; // graded, or already run out
    const int left = std::max(0, limit_ - alreadyUsed_ - static_cast<int>(elapsed_() / 1000));
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
                warn(note);
            }
        }
    form_.showTimeLeft(MinutesSeconds(left), note);
    view_.refresh();
    if (left == 0) runOut();
}

void ExamClock::warn(const QString& note) {
    const QString text = QStringLiteral("Внимание: ") + note + u'.';
    view_.setAccessibleDescription(text);
    QAccessibleEvent alert(&view_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (warning_) warning_->close();
    warning_ = ShowNotice(&view_, view_.windowTitle(), text);
}

void ExamClock::runOut() {
    ranOut_ = true;
    usedAtGrading_ = limit_;
    timer_.stop();
    if (warning_) warning_->close();
    // A question still open (grade? leave?) has lost its point: it is
    // answered "Не" and the test graded.
    if (QWidget* question = QApplication::activeModalWidget()) question->close();
    view_.timeUp(QStringLiteral("Времето изтече. Тестът е предаден с отговорите, дадени дотук."));
}

} // namespace vorn
