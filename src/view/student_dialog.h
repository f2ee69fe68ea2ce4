#pragma once
// The small window before the test that asks who is answering: "Име и
// фамилия", "Клас" and "Номер в класа". Enter moves to the next field and,
// on the last, goes on, as the button "Напред" does from anywhere; Esc or the
// close box ends it without a student. What is wrong is said in the window
// itself, as plain text.

#include "record/student.h"

#include <QDialog>
#include <vector>

class QLabel;
class QLineEdit;

namespace vorn {

class StudentDialog : public QDialog {
public:
    explicit StudentDialog(QWidget* parent = nullptr);
    // The student given, trimmed; valid once the dialog was accepted.
    Student student() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void next(); // Enter
    void goOn(); // "Напред", or Enter on the last field
    QLineEdit* name_;
    QLineEdit* className_;
    QLineEdit* number_;
    QLabel* problem_;
};

// Asks where a person can see the question, from the class list where there
// is one (ClassListDialog); elsewhere (offscreen) answers as Esc does, so
// that nothing waits for ever.
std::optional<Student> AskStudent(const std::vector<Student>& classList);

} // namespace vorn
