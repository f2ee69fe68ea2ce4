// The author notice, the exit command and the close box.

#include "support/form_listeners.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QAction* MenuAction(const FormView& view, const QString& name) {
    for (QAction* a : view.menuBar()->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

std::unique_ptr<test::Run> Started() {
    return test::StartRun(test::MakeBank(), test::StepThenIdentity(0.0f, 21));
}

} // namespace

TEST(AuthorNotice, ReplacesTheHelpTextAndNothingElseTwiceTheSameWithThePublisherOfTheBank) {
    const struct {
        const char* publisher;
        const char* notice;
        const char* caption;
    } cases[] = {
        {"", "ВОРН - Сорвелин, версия " VORN_VERSION ".", "ВОРН - Сорвелин"},
        {"https://school.example/", "За повече информация посетете https://school.example/.",
         "https://school.example/    ВОРН - Сорвелин"},
    };
    for (const auto& c : cases) {
        BankContent bank = test::MakeBank();
        bank.publisher = QString::fromUtf8(c.publisher);
        const auto run = test::StartRun(bank, test::StepThenIdentity(0.0f, 21));
        MainForm& f = *run->form;
        FormView view(f);
        const QString state = test::RunState(f);
        const QString question = f.controls().questionText.Text;
        QAction* author = MenuAction(view, "autor");
        ASSERT_NE(author, nullptr);
        const QString notice = QString::fromUtf8(c.notice);
        for (int twice = 0; twice < 2; ++twice) {
            author->trigger();
            EXPECT_EQ(f.controls().infoBox.Text, notice);
        }
        EXPECT_EQ(view.findChild<QPlainTextEdit*>("Text1(0)")->toPlainText(), notice);
        EXPECT_EQ(test::RunState(f), state);
        EXPECT_EQ(f.controls().questionText.Text, question);
        EXPECT_EQ(view.windowTitle(), QString::fromUtf8(c.caption));
    }
}

TEST(Exit, MenuCommandEndsTheEventLoopWithStatusZeroRightAfterStart) {
    const auto run = Started();
    FormView view(*run->form);
    view.show();
    QAction* exit = MenuAction(view, "izhod(0)");
    ASSERT_NE(exit, nullptr);
    QTimer::singleShot(0, exit, &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // a hang fails, not blocks
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Exit, InReviewModeToo) {
    const auto run = Started();
    run->form->grade();
    FormView view(*run->form);
    view.show();
    QTimer::singleShot(0, MenuAction(view, "izhod(0)"), &QAction::trigger);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(Exit, CloseBoxEndsTheProgramLikeTheExitCommand) {
    const auto run = Started();
    FormView view(*run->form);
    view.show();
    QTimer::singleShot(0, &view, &QWidget::close);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
}

// The fault caught: the close box accepted the close before the exam's
// question was answered, so "Не" (the test goes on) still closed the window
// and ended the program, with no abandoned attempt written.
TEST(Exit, TheCloseBoxLeavesTheWindowOpenWhenTheExamineeGoesOn) {
    for (const bool leave : {false, true}) {
        SCOPED_TRACE(leave ? "leaves" : "goes on");
        const auto run = Started();
        test::QuestionsOf questions;
        questions.onLeaving = [leave] { return leave; };
        run->form->setQuestions(&questions);
        FormView view(*run->form);
        view.show();
        EXPECT_EQ(view.close(), leave);
        EXPECT_EQ(view.isVisible(), !leave);
        EXPECT_EQ(run->form->closed(), leave);
    }
}

TEST(HelpText, SaysResultAsShippedAndNamesTheGradeButtonAsLabelledWhenAsked) {
    const auto run = Started();
    MainForm& f = *run->form;
    const QString shipped = f.controls().infoBox.Text;
    EXPECT_TRUE(shipped.contains(QStringLiteral("Бутон Резултат извежда резултатите")));
    EXPECT_FALSE(shipped.contains(QStringLiteral("Оценяване")));

    f.nameButtonsAsLabelled();
    const QString labelled = f.controls().infoBox.Text;
    EXPECT_TRUE(labelled.contains(QStringLiteral("Бутон Оценяване извежда резултатите")));
    EXPECT_FALSE(labelled.contains(QStringLiteral("Резултат")));
    EXPECT_EQ(QString(labelled).replace(QStringLiteral("Оценяване"), QStringLiteral("Резултат")),
              shipped)
        << "one word changed, nothing else";

    // The author notice, once shown, is not replaced by the help.
    const auto other = Started();
    other->form->showAuthor();
    const QString notice = other->form->controls().infoBox.Text;
    other->form->nameButtonsAsLabelled();
    EXPECT_EQ(other->form->controls().infoBox.Text, notice);
}

// The faults caught: the exam session's window closed on a close request (a
// compositor's, a key's) during the test, or asked the exam's question and
// left on "Да", so only the exam's own "Изход" may leave the test; or it
// still refused once the test was graded, leaving the student in a session
// that cannot end.
TEST(Exit, TheExamSessionsWindowRefusesCloseRequestsUntilTheTestIsGraded) {
    const struct { bool graded, closes; } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.graded ? "graded" : "in the test");
        const auto run = Started();
        test::QuestionsOf questions;
        int asked = 0;
        questions.onLeaving = [&asked] { return ++asked > 0; }; // would leave
        run->form->setQuestions(&questions);
        FormView view(*run->form, WindowSize::Locked);
        EXPECT_TRUE(view.windowFlags().testFlag(Qt::FramelessWindowHint));
        view.show();
        if (c.graded) run->form->grade();
        EXPECT_EQ(view.close(), c.closes);
        EXPECT_EQ(run->form->closed(), c.closes);
        EXPECT_EQ(asked, 0);
    }
}
