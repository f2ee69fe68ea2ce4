// A fault inside an event (here in keeping the result of grading) must not
// escape through the toolkit's event loop: the program says what failed, on
// standard error and in a message box, and ends with its fault status.

#include "platform/exit_status.h"
#include "platform/program_error.h"
#include "support/captured_stderr.h"
#include "support/form_listeners.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorn;

TEST(FaultBoundary, AFaultInAClickIsNamedAndEndsTheProgramWithTheFaultStatus) {
    const auto run = test::StartRun(test::MakeBank(), test::StepThenIdentity(0.0f, 21));
    MainForm& f = *run->form;
    FormView view(f);
    view.show();
    QApplication::processEvents();
    test::ListenerOf listener;
    listener.onGraded = [](const Attempt&) {
        throw ProgramError(QStringLiteral("slot 1000 of a row of 5 controls"));
    };
    f.setListener(&listener);

    test::CapturedStandardError err;
    QTimer::singleShot(0,
                       [&] { QTest::mouseClick(view.widgetFor("Command2(0)"), Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // a hang fails, not blocks
    const int status = QApplication::exec();
    const QString said = err.text();

    EXPECT_EQ(status, kExitFault);
    EXPECT_TRUE(said.contains(QStringLiteral("„Оценяване“")) && said.contains("slot 1000"))
        << said.toStdString();
    EXPECT_EQ(said.count(QStringLiteral("vorn-player:")), 1)
        << "one message: " << said.toStdString();
    const auto* box = view.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains(QStringLiteral("„Оценяване“")) &&
                box->text().contains("slot 1000"))
        << box->text().toStdString();

    // The model may be half-way through the event: nothing reaches it any more.
    const int position = f.attempt().currentPosition();
    QTest::keyClick(&view, Qt::Key_PageDown); // "Напред" of the review

    EXPECT_EQ(f.attempt().currentPosition(), position);
}
