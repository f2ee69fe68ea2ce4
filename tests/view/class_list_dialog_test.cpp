// Choosing oneself from the class list by keyboard: the class by its first
// letters, the name by arrows or by its first letters, Enter to go on; the
// student the list has (namesakes by their numbers), nothing typed freely.

#include "support/typed_text.h"
#include "view/class_list_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The class 8а spelt twice: in capitals for Петър.
const std::vector<Student> kList{{"Иван Петров", "7б", "1"},
                                 {"Иван Петров", "7б", "2"},
                                 {"Мария Иванова", "7б", "3"},
                                 {"Ана Колева", "8а", "1"},
                                 {"Петър Стоянов", "8А", "2"}};

// Types `keys` into the widget with the focus, which has the name `field` for screen readers.
void TypeKeys(const char* field, const QString& text, const QList<Qt::Key>& keys) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_EQ(focused->accessibleName(), QString::fromUtf8(field));
    test::TypeText(focused, text);
    for (const Qt::Key key : keys)
        QTest::keyClick(focused, key);
}

} // namespace

// Catches: the name list not following the class chosen, names of every
// class offered at once or a class offered twice for two spellings of it, a
// namesake's number lost (the first Иван Петров recorded for the second),
// type-ahead or Enter not reaching the name, Enter on the class ending the
// dialog, a dialog that goes on with nobody chosen or Esc not ending without one.
TEST(ClassListDialog, KeysChooseTheClassThenTheNameAndEnterGoesOn) {
    const struct {
        const char* what;
        QString classKeys;   // typed on the class, then Enter
        QList<Qt::Key> keys; // pressed on the names, after `nameKeys`
        QString nameKeys;    // typed on the names
        std::optional<Student> chosen;
    } cases[] = {
        {"the other class by its first letter",
         "8",
         {Qt::Key_Return},
         "",
         {{"Ана Колева", "8а", "1"}}},
        {"the second namesake by an arrow",
         "",
         {Qt::Key_Down, Qt::Key_Return},
         "",
         {{"Иван Петров", "7б", "2"}}},
        {"a name by its first letter", "", {Qt::Key_Return}, "М", {{"Мария Иванова", "7б", "3"}}},
        {"the other class, then Esc", "8", {Qt::Key_Escape}, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClassListDialog dialog(kList);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        const auto* classes = dialog.findChild<QComboBox*>();
        ASSERT_TRUE(classes && classes->count() == 2);
        EXPECT_EQ(std::tuple(classes->itemText(0), classes->itemText(1)),
                  std::tuple(QString("7б"), QString("8а")));
        TypeKeys("Клас", c.classKeys, {Qt::Key_Return});
        EXPECT_TRUE(dialog.isVisible()) << "Enter on the class only moves to the names";
        const auto* names = dialog.findChild<QListWidget*>();
        ASSERT_TRUE(names && names->count() > 1);
        if (c.classKeys == "8") {
            EXPECT_EQ(std::tuple(names->count(), names->item(0)->text(), names->item(1)->text()),
                      std::tuple(2, QString("Ана Колева (№ 1)"), QString("Петър Стоянов (№ 2)")));
        }
        TypeKeys("Име и фамилия", c.nameKeys, c.keys);
        EXPECT_EQ(dialog.result(), c.chosen ? QDialog::Accepted : QDialog::Rejected);
        if (c.chosen) {
            EXPECT_EQ(dialog.student(), *c.chosen);
        }
    }
}
