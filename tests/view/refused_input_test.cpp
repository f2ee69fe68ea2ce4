// Input the examinee cannot give through the window must change nothing: a
// click or an accessibility client's press action on a hidden or disabled
// control is refused by the view.

#include "support/shown_view.h"
#include "view/form_view.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QStringList Snapshot(const MainForm& f) {
    return {test::RunState(f), f.controls().resultLabel.Caption,
            f.controls().progress.answeredCount.Caption, f.controls().questionText.Text};
}

// Every way a control's widget can be pressed without the window system.
void PressEveryWay(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(node, nullptr);
    if (QAccessibleActionInterface* actions = node->actionInterface())
        for (const QString& action : actions->actionNames())
            actions->doAction(action);
}

} // namespace

TEST(RefusedInput, HiddenAndDisabledControlsIgnoreEveryPress) {
    // Four options: Option1(4) is hidden; review navigation is on.
    test::ShownView shown;
    MainForm& f = shown.form;
    FormView& view = shown.view;

    const auto expectRefused = [&](const char* name, const char* moment) {
        QWidget* widget = view.widgetFor(QString::fromUtf8(name));
        ASSERT_NE(widget, nullptr) << name;
        const QStringList before = Snapshot(f);
        PressEveryWay(widget);
        EXPECT_EQ(Snapshot(f), before) << name << " " << moment;
    };
    for (const char* hidden : {"Option1(4)", "Command2(1)", "Command2(2)"})
        expectRefused(hidden, "in test mode");

    test::AnswerRight(f);
    f.grade();
    view.refresh();
    for (const char* gone :
         {"Option1(0)", "Option1(1)", "Option1(4)", "Command1(0)", "Command1(1)", "Command2(0)"})
        expectRefused(gone, "in review");

    // The same press on a control that takes input does act.
    const QStringList before = Snapshot(f);
    PressEveryWay(view.widgetFor("Command2(1)"));
    EXPECT_NE(Snapshot(f), before) << "review forward moves";
}
