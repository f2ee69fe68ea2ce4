// Choosing oneself from the class list by keyboard: the class by its first
// letters, the name by arrows or by its first letters, Enter to go on; the
// student the list has (namesakes by their numbers), nothing typed freely.

#include "view/class_list_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const std::vector<Student> kList{{"Иван Петров", "7б", "1"},
                                 {"Иван Петров", "7б", "2"},
                                 {"Мария Иванова", "7б", "3"},
                                 {"Ана Колева", "8а", "1"}};

// Types `text` (Cyrillic too) into the widget with the focus.
void Type(const QString& text) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, focused, Qt::Key_unknown, QString(c), {});
        QTest::sendKeyEvent(QTest::Release, focused, Qt::Key_unknown, QString(c), {});
    }
}

void Press(Qt::Key key) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

// Catches: the name list not following the class chosen, a namesake's number
// lost (the first Иван Петров recorded for the second), type-ahead or Enter
// not reaching the name, a dialog that goes on with nobody chosen.
TEST(ClassListDialog, KeysChooseTheClassThenTheNameAndEnterGoesOn) {
    const struct {
        const char* what;
        QString classKeys;     // typed on the class
        QList<Qt::Key> arrows; // pressed on the names
        QString nameKeys;      // typed on the names
        Student chosen;
    } cases[] = {
        {"the other class by its first letter", "8", {}, "", {"Ана Колева", "8а", "1"}},
        {"the second namesake by an arrow", "", {Qt::Key_Down}, "", {"Иван Петров", "7б", "2"}},
        {"a name by its first letter", "", {}, "М", {"Мария Иванова", "7б", "3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClassListDialog dialog(kList);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        ASSERT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Клас"));
        Type(c.classKeys);
        Press(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Име и фамилия"));
        EXPECT_TRUE(dialog.isVisible()) << "Enter on the class only moves to the names";
        for (const Qt::Key arrow : c.arrows)
            Press(arrow);
        Type(c.nameKeys);
        Press(Qt::Key_Return);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.student(), c.chosen);
    }
}

// Catches: names of every class offered at once, or a class offered twice for
// two spellings of it, and Esc not ending without a student.
TEST(ClassListDialog, OffersEachClassOnceAndItsNamesOnlyAndEscEnds) {
    std::vector<Student> list = kList;
    list.push_back({"Петър Стоянов", "8А", "2"}); // the class spelt in capitals
    ClassListDialog dialog(list);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const auto* classes = dialog.findChild<QComboBox*>();
    ASSERT_NE(classes, nullptr);
    ASSERT_EQ(classes->count(), 2);
    EXPECT_EQ(std::tuple(classes->itemText(0), classes->itemText(1)),
              std::tuple(QString("7б"), QString("8а")));
    Type("8");
    const auto* names = dialog.findChild<QListWidget*>();
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(std::tuple(names->item(0)->text(), names->item(1)->text()),
              std::tuple(QString("Ана Колева (№ 1)"), QString("Петър Стоянов (№ 2)")));
    Press(Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
