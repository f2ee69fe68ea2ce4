// The whole test by keyboard: each key does what the click on its control
// does, in the real window, and nothing once that control takes no input.

#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// A key press and release with its text, so that Cyrillic letters can be sent
// too (QTest::keyClick knows only ASCII).
void KeyClick(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    const QString text = key < 0x10000 && QChar(key).isPrint() && !(modifiers & Qt::AltModifier)
                             ? QString(QChar(key))
                             : QString();
    QTest::sendKeyEvent(QTest::Press, widget, key, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, widget, key, text, modifiers);
}

struct KeyboardSession {
    std::unique_ptr<test::Run> run;
    MainForm& form;
    FormView view;
    explicit KeyboardSession(const BankContent& bank)
        : run(test::StartRun(bank, test::StepThenIdentity(0.3f, 5))), form(*run->form), view(form) {
        view.show();
        QApplication::setActiveWindow(&view);
        QApplication::processEvents();
    }
    QStringList state() const {
        return {test::RunState(form), form.controls().resultLabel.Caption,
                form.controls().infoBox.Text};
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QApplication::setActiveWindow(&view); // keys go to the active window
        KeyClick(&view, key, modifiers);
    }
    void click(const char* name) {
        QTest::mouseClick(view.widgetFor(QString::fromUtf8(name)), Qt::LeftButton, {},
                          QPoint(8, 8));
    }
};

BankContent FiveQuestions() {
    // Slots up to E: 5, 2, 5, 3, 4 options; review navigation on.
    return test::MakeBank(
        {.questions = 5, .check = CheckMode::Off, .optionCounts = {5, 2, 5, 3, 4}});
}

} // namespace

TEST(Keyboard, KeysDoWhatTheClicksDo) {
    KeyboardSession byKeys(FiveQuestions()), byClicks(FiveQuestions());
    // Position 0 shows a question of 3 options: slots 4 and 5 are not there.
    const QStringList start = byKeys.state();
    for (const Qt::Key key : {Qt::Key_4, Qt::Key_E, Qt::Key(0x415) /* Е */})
        byKeys.key(key);
    EXPECT_EQ(byKeys.state(), start) << "a hidden slot is not chosen";
    for (const Qt::Key key : {Qt::Key(0x411), Qt::Key(0x413), Qt::Key(0x414)}) // Б, Г, Д
        byKeys.key(key);
    EXPECT_EQ(byKeys.state(), start) << "no caption shows Б, Г or Д";

    const struct {
        Qt::Key key;
        const char* click;
    } steps[] = {
        {Qt::Key_3, "Option1(2)"},         {Qt::Key_PageDown, "Command1(0)"},
        {Qt::Key_B, "Option1(1)"},         {Qt::Key_PageDown, "Command1(0)"},
        {Qt::Key(0x412), "Option1(1)"},    {Qt::Key_PageUp, "Command1(1)"},   // В
        {Qt::Key(0x421), "Option1(2)"},    {Qt::Key_PageDown, "Command1(0)"}, // С
        {Qt::Key_A, "Option1(0)"},         {Qt::Key_PageDown, "Command1(0)"},
        {Qt::Key_PageDown, "Command1(0)"}, {Qt::Key_E, "Option1(4)"},
    };
    for (const auto& step : steps) {
        byKeys.key(step.key);
        byClicks.click(step.click);
        ASSERT_EQ(byKeys.state(), byClicks.state()) << step.click;
    }
    EXPECT_EQ(byKeys.form.attempt().chosenSlot(byKeys.form.attempt().currentPosition()), 4)
        << "E chose slot 5";

    // Grading has no key; after it answer keys change nothing, pages move the review.
    byKeys.click("Command2(0)");
    byClicks.click("Command2(0)");
    const QStringList graded = byKeys.state();
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_C, Qt::Key(0x410), Qt::Key_Return})
        byKeys.key(key);
    EXPECT_EQ(byKeys.state(), graded);
    byKeys.key(Qt::Key_PageDown);
    byClicks.click("Command2(1)");
    EXPECT_EQ(byKeys.state(), byClicks.state());
}

TEST(Keyboard, PagesMoveOnlyWhileTheirButtonIsShown) {
    BankContent bank = FiveQuestions();
    bank.settings.reviewNavigation = false;
    KeyboardSession s(bank);
    s.click("Command2(0)");
    const QStringList review = s.state();
    s.key(Qt::Key_PageDown);
    s.key(Qt::Key_PageUp);
    EXPECT_EQ(s.state(), review);
}

TEST(Keyboard, SpaceEnterArrowsAndTheMenuKeys) {
    KeyboardSession s(FiveQuestions());
    QWidget* first = s.view.widgetFor("Option1(0)");
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_Right);
    QWidget* second = QApplication::focusWidget();
    EXPECT_EQ(second, s.view.widgetFor("Option1(1)")) << "the arrow moves the focus";
    EXPECT_EQ(s.form.attempt().chosenSlot(0), std::nullopt) << "and chooses nothing";
    QTest::keyClick(second, Qt::Key_Space);
    EXPECT_EQ(s.form.attempt().chosenSlot(0), 1);
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(s.form.attempt().chosenSlot(0), 0);

    QWidget* forward = s.view.widgetFor("Command1(0)");
    forward->setFocus(Qt::TabFocusReason);
    QTest::keyClick(forward, Qt::Key_Return);
    EXPECT_EQ(s.form.attempt().currentPosition(), 1) << "Enter presses the focused button";

    QTest::keyClick(&s.view, Qt::Key_Alt);
    EXPECT_NE(s.view.menuBar()->activeAction(), nullptr) << "Alt shows the active menu entry";
    QTest::keyClick(&s.view, Qt::Key_Escape);
    KeyClick(&s.view, Qt::Key(0x410), Qt::AltModifier); // Alt+А: "Автор"
    EXPECT_EQ(s.form.controls().infoBox.Text, AuthorNotice(QString()));
}

TEST(Keyboard, EveryTabStopShowsItsFocus) {
    KeyboardSession s(FiveQuestions());
    QWidget* stop = s.view.widgetFor("Text1(0)");
    stop->setFocus(Qt::TabFocusReason);
    QStringList unseen;
    for (int tab = 0; tab < 12; ++tab) {
        QWidget* focused = QApplication::focusWidget();
        const QImage with = focused->grab().toImage();
        focused->clearFocus();
        const QImage without = focused->grab().toImage();
        focused->setFocus(Qt::TabFocusReason);
        if (with == without) unseen.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_TRUE(unseen.isEmpty()) << unseen.join(' ').toStdString();
}
