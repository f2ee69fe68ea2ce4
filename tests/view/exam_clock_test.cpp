// A time limit in the real window: the time left stands in the caption and,
// when it runs out, the test is graded as "Оценяване" grades it; a test graded
// before that stops the clock, told so through the form's listener.

#include "app/attempt_followers.h"
#include "support/test_banks.h"
#include "view/exam_clock.h"
#include "view/form_view.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vorn;

// Read from a time the test sets, so that a loaded machine changes nothing.
TEST(ExamClock, AtZeroTheTestIsGradedAsTheButtonGradesAndAGradedTestStopsItsClock) {
    qint64 now = 0; // milliseconds
    const auto setNow = [&now] { return now; };
    const auto run =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    MainForm& f = *run->form;
    FormView view(f);
    view.show();
    test::AnswerRight(f);
    ExamClock clock(f, view, 2, 0, setNow);
    clock.start();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("ВОРН - Сорвелин    0:02"));
    now = 2000;
    clock.update();
    EXPECT_EQ(f.attempt().mode(), RunMode::Review);
    EXPECT_TRUE(clock.ranOut());
    EXPECT_EQ(clock.usedSeconds(), 2);
    EXPECT_EQ(f.controls().resultLabel.Caption, QStringLiteral("Резултат: 1/4 = 25%"));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("ВОРН - Сорвелин    0:00"));

    const auto early =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    FormView other(*early->form);
    now = 0;
    ExamClock stopped(*early->form, other, 1, 0, setNow);
    AttemptFollowers followers({.clock = &stopped});
    early->form->setListener(&followers);
    stopped.start();
    early->form->grade(); // graded before the second is over
    now = 5000;
    stopped.update();
    EXPECT_FALSE(stopped.ranOut()) << "a clock that went on would have run out";
    EXPECT_EQ(stopped.usedSeconds(), 0);
}

namespace {

// The boxes open over the window, by their texts.
QStringList OpenBoxes(const FormView& view) {
    QStringList texts;
    for (const QMessageBox* box : view.findChildren<QMessageBox*>())
        if (box->isVisible()) texts.append(box->text());
    return texts;
}

} // namespace

// A clock read from a time the test sets: the time left stands large in the
// window as in the caption, a warning stays while time goes on until it is
// closed or the next takes its place, and at zero the test is graded at once
// but the window shows the result only after the message that says why.
TEST(ExamClock, TheTimeStandsInTheWindowAndItsMessagesStayUntilClosed) {
    const auto run =
        test::StartRun(test::MakeBank({.questions = 3}), test::StepThenIdentity(0.1f, 4));
    MainForm& f = *run->form;
    FormView view(f);
    view.show();
    auto* label = qobject_cast<QLabel*>(view.widgetFor("TimeLeft"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isHidden()) << "nothing without a time limit";

    qint64 now = 0; // milliseconds
    ExamClock clock(f, view, 6 * 60, 0, [&now] { return now; });
    clock.start();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->text(), QStringLiteral("6:00"));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pointSizeF(), 16.0) << "a third larger than the window's 12";
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(QStringLiteral("300:00")),
              label->contentsRect().width())
        << "the longest limit fits";
    EXPECT_TRUE(OpenBoxes(view).isEmpty());

    const QString five = QStringLiteral("Внимание: остават 5 минути.");
    const QString one = QStringLiteral("Внимание: остава 1 минута.");
    const struct {
        qint64 at;
        const char* shown;
        const char* caption; // after the program's name
        QStringList boxes;
    } steps[] = {
        {59'999, "5:01", "5:01", {}},      {60'000, "5:00", "5:00 – остават 5 минути", {five}},
        {75'000, "4:45", "4:45", {five}}, // the caption's note went, the box stays
        {299'000, "1:01", "1:01", {five}}, {300'000, "1:00", "1:00 – остава 1 минута", {one}},
        {359'000, "0:01", "0:01", {one}},
    };
    for (const auto& s : steps) {
        now = s.at;
        clock.update();
        EXPECT_EQ(label->text(), QString::fromUtf8(s.shown)) << s.at;
        EXPECT_EQ(view.windowTitle(),
                  QStringLiteral("ВОРН - Сорвелин    ") + QString::fromUtf8(s.caption))
            << s.at;
        EXPECT_EQ(OpenBoxes(view), s.boxes) << s.at;
    }
    EXPECT_EQ(f.attempt().mode(), RunMode::Test);

    now = 360'000;
    clock.update();
    EXPECT_EQ(f.attempt().mode(), RunMode::Review) << "graded at once, not when the box closes";
    EXPECT_TRUE(clock.ranOut());
    EXPECT_EQ(OpenBoxes(view),
              QStringList{
                  QStringLiteral("Времето изтече. Тестът е предаден с отговорите, дадени дотук.")});
    EXPECT_TRUE(view.widgetFor("Command1(0)")->isVisible()) << "the test stays behind the message";
    for (QMessageBox* box : view.findChildren<QMessageBox*>())
        if (box->isVisible()) box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(OpenBoxes(view).isEmpty());
    EXPECT_FALSE(view.widgetFor("Command1(0)")->isVisible()) << "then the review";
    EXPECT_TRUE(view.widgetFor("Command2(1)")->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(view.widgetFor("Label1(1)"))->text(),
              f.controls().resultLabel.Caption);
}
