#include "class_list_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace vorn {

namespace {

QLabel* Caption(const QString& label, QWidget* buddy) {
    buddy->setAccessibleName(label);
    auto* caption = new QLabel(QStringLiteral("&") + label);
    caption->setBuddy(buddy); // Alt and the letter reach it, and tools read it as its label
    return caption;
}

QLabel* PlainText(const QString& text = {}) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

ClassListDialog::ClassListDialog(std::vector<Student> students, QWidget* parent)
    : QDialog(parent), students_(std::move(students)) {
    setWindowTitle(QStringLiteral("ВОРН - Сорвелин: кой решава теста"));
    auto* form = new QFormLayout(this);
    class_ = new QComboBox;
    names_ = new QListWidget;
    form->addRow(Caption(QStringLiteral("Клас"), class_), class_);
    form->addRow(Caption(QStringLiteral("Име и фамилия"), names_), names_);
    QStringList classes; // in the list's order, each spelling of a class once
    QStringList seen;
    for (const Student& student : students_)
        if (const QString identity = ClassIdentity(student.className); !seen.contains(identity)) {
            seen << identity;
            classes << student.className;
        }
    class_->addItems(classes);
    connect(class_, &QComboBox::currentIndexChanged, this, [this] { showClass(); });
    problem_ = PlainText();
    form->addRow(problem_);
    form->addRow(PlainText(QStringLiteral("Enter: напред. Esc: изход без тест.")));
    auto* forward = new QPushButton(QStringLiteral("Напред"));
    connect(forward, &QPushButton::clicked, this, [this] { goOn(); });
    form->addRow(forward);
    showClass();
    class_->setFocus();
}

void ClassListDialog::showClass() {
    names_->clear();
    const QString chosen = ClassIdentity(class_->currentText());
    for (std::size_t i = 0; i < students_.size(); ++i) {
        if (ClassIdentity(students_[i].className) != chosen) continue;
        const Student& student = students_[i];
        // The name first, for typing its first letters; the number tells
        // namesakes apart.
        auto* item =
            new QListWidgetItem(student.number.isEmpty()
                                    ? student.name
                                    : QStringLiteral("%1 (№ %2)").arg(student.name, student.number),
                                names_);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
}

Student ClassListDialog::student() const {
    const QListWidgetItem* item = names_->currentItem();
    if (!item) return {};
    return students_[static_cast<std::size_t>(item->data(Qt::UserRole).toInt())];
}

void ClassListDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (class_->hasFocus()) {
            names_->setFocus();
            // The first name, or the one already current, chosen at once.
            names_->setCurrentRow(std::max(0, names_->currentRow()));
        } else {
            goOn();
        }
        return;
    }
    QDialog::keyPressEvent(event); // Esc rejects
}

void ClassListDialog::goOn() {
    if (!names_->currentItem() || !names_->currentItem()->isSelected()) {
        problem_->setText(QStringLiteral("Изберете името си от списъка."));
        problem_->setAccessibleName(problem_->text());
        names_->setFocus();
        return;
    }
    accept();
}

} // namespace vorn
