// The author notice, the exit command and the close box.

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

TEST(AuthorNotice, ReplacesTheHelpTextAndNothingElseTwiceTheSame) {
    const auto run = Started();
    VORN_Prazno& f = *run->form;
    FormView view(f);
    const QString state = test::RunState(f);
    const QString question = f.controls().Text2(0).Text;
    QAction* author = MenuAction(view, "autor");
    ASSERT_NE(author, nullptr);
    author->trigger();
    const QString notice =
        QStringLiteral("За повече информация посетете https://vorn.example.org/.");
    EXPECT_EQ(f.controls().Text1(0).Text, notice);
    author->trigger();
    EXPECT_EQ(f.controls().Text1(0).Text, notice);
    EXPECT_EQ(view.findChild<QPlainTextEdit*>("Text1(0)")->toPlainText(), notice);
    EXPECT_EQ(test::RunState(f), state);
    EXPECT_EQ(f.controls().Text2(0).Text, question);
    EXPECT_TRUE(view.windowTitle().startsWith(QStringLiteral("https://vorn.example.org/")))
        << "the same address starts the caption";
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
    EXPECT_FALSE(run->bank.loaded()) << "the data form is unloaded";
}

TEST(Exit, InReviewModeToo) {
    const auto run = Started();
    run->form->Command2_Click(0);
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
    EXPECT_FALSE(run->bank.loaded());
}
