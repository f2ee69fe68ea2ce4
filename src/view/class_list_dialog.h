#pragma once
// The window before the test where the class list says who may answer: the
// student chooses the class, then their name in that class's list, by mouse
// or by keyboard (arrows, the first letters typed, Enter); nothing is typed
// freely. Enter on the class moves to the names, on a name goes on, as
// "Напред" does; Esc or the close box ends it without a student.

#include "record/student.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

namespace vorn {

class ClassListDialog : public QDialog {
public:
    explicit ClassListDialog(std::vector<Student> students, QWidget* parent = nullptr);
    // The student chosen, as the list has them; valid once accepted.
    Student student() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showClass(); // the names of the class chosen
    void goOn();      // "Напред", or Enter on a name
    std::vector<Student> students_;
    QComboBox* class_;
    QListWidget* names_;
    QLabel* problem_;
};

} // namespace vorn
