// The window that asks who is answering, by keyboard: Enter moves on and, on
// the last field, goes on; a missing class is told in the window and the
// focus goes back to it; Esc ends without a student.

#include "support/typed_text.h"
#include "view/student_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Types `text` (Cyrillic too) into the widget with the focus, then presses `key`.
void Type(StudentDialog& dialog, const QString& text, Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    test::TypeText(focused, text);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, key);
}

} // namespace

TEST(StudentDialog, EnterMovesOnAndTheLastEnterGoesOnWhenNameAndClassAreGiven) {
    StudentDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Type(dialog, QStringLiteral(" Иван Петров "), Qt::Key_Return);
    Type(dialog, QString(), Qt::Key_Return); // no class yet
    Type(dialog, QString(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "not without a class";
    const auto labels = dialog.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
        return label->text() == QStringLiteral("Попълнете „Клас“.");
    }));
    ASSERT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Клас"));
    Type(dialog, QStringLiteral("7б"), Qt::Key_Return);
    Type(dialog, QStringLiteral("12"), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.student(), (Student{"Иван Петров", "7б", "12"}));

    StudentDialog again;
    again.show();
    QApplication::setActiveWindow(&again);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

TEST(StudentDialog, TheButtonNapredGoesOnOnceNameAndClassAreGiven) {
    StudentDialog dialog;
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QPushButton* forward = nullptr;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Напред")) forward = button;
    ASSERT_NE(forward, nullptr);
    Type(dialog, QStringLiteral("Мария Иванова"), Qt::Key_Tab);
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << "not without a class";
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Клас"));
    Type(dialog, QStringLiteral("8а"), Qt::Key_Tab); // the number left empty
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.student(), (Student{"Мария Иванова", "8а", ""}));
}
