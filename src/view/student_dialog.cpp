#include "student_dialog.h"

#include "class_list_dialog.h"
#include "messages.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vorn {

namespace {

QLineEdit* Field(QFormLayout* form, const QString& label, const QString& placeholder) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(kMaxStudentText);
    edit->setPlaceholderText(placeholder);
    edit->setAccessibleName(label);
    auto* caption = new QLabel(QStringLiteral("&") + label);
    caption->setBuddy(edit); // Alt and the letter reach the field, and tools read it as its label
    form->addRow(caption, edit);
    return edit;
}

} // namespace

StudentDialog::StudentDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ВОРН - Сорвелин: кой решава теста"));
    auto* form = new QFormLayout(this);
    name_ = Field(form, QStringLiteral("Име и фамилия"), QStringLiteral("Иван Петров"));
    className_ = Field(form, QStringLiteral("Клас"), QStringLiteral("7б"));
    number_ = Field(form, QStringLiteral("Номер в класа"), QStringLiteral("по желание"));
    problem_ = new QLabel;
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    form->addRow(problem_);
    auto* hint = new QLabel(QStringLiteral("Enter: напред. Esc: изход без тест."));
    hint->setTextFormat(Qt::PlainText);
    form->addRow(hint);
    auto* forward = new QPushButton(QStringLiteral("Напред"));
    connect(forward, &QPushButton::clicked, this, [this] { goOn(); });
    form->addRow(forward);
}

Student StudentDialog::student() const {
    return Trimmed({name_->text(), className_->text(), number_->text()});
}

void StudentDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        next();
        return;
    }
    QDialog::keyPressEvent(event); // Esc rejects
}

void StudentDialog::next() {
    if (name_->hasFocus()) {
        className_->setFocus();
        return;
    }
    if (className_->hasFocus()) {
        number_->setFocus();
        return;
    }
    goOn();
}

void StudentDialog::goOn() {
    if (const auto problem = StudentProblem(student())) {
        problem_->setText(*problem);
        problem_->setAccessibleName(*problem);
        (student().name.isEmpty() ? name_ : className_)->setFocus();
        return;
    }
    accept();
}

namespace {

template <typename Dialog> std::optional<Student> Answer(Dialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.student();
}

} // namespace

std::optional<Student> AskStudent(const std::vector<Student>& classList) {
    if (!DisplayIsSeen()) return std::nullopt;
    if (!classList.empty()) {
        ClassListDialog dialog(classList);
        return Answer(dialog);
    }
    StudentDialog dialog;
    return Answer(dialog);
}

} // namespace vorn
