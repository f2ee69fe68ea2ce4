#include "exam_chooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

std::optional<QString> ChooseExam(const QStringList& names) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("ExamChooser"));
    dialog.setWindowTitle(QStringLiteral("Избор на изпит"));
    auto* layout = new QVBoxLayout(&dialog); // the dialog owns what it lays out
    layout->addWidget(new QLabel(QStringLiteral("Изберете изпита, който ви е посочил учителят:")));
    auto* list = new QListWidget;
    list->addItems(names);
    list->setCurrentRow(0);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Напред"), QDialogButtonBox::AcceptRole)->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return std::nullopt;
    return list->currentItem()->text();
}

} // namespace vorn
