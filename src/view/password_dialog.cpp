#include "password_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorn {

PasswordDialog::PasswordDialog(const QString& problem, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("ВОРН - Сорвелин: парола на теста"));
    setObjectName(QStringLiteral("password-dialog"));
    auto* layout = new QVBoxLayout(this);
    auto* caption =
        new QLabel(QStringLiteral("Тестът е заключен с парола. Въведете &паролата, която "
                                  "обявява учителят:"));
    caption->setTextFormat(Qt::PlainText);
    caption->setWordWrap(true);
    password_ = new QLineEdit;
    password_->setObjectName(QStringLiteral("password"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setAccessibleName(QStringLiteral("Парола"));
    caption->setBuddy(password_);
    layout->addWidget(caption);
    layout->addWidget(password_);
    auto* said = new QLabel(problem);
    said->setObjectName(QStringLiteral("problem"));
    said->setTextFormat(Qt::PlainText);
    said->setWordWrap(true);
    said->setAccessibleName(problem);
    said->setVisible(!problem.isEmpty());
    layout->addWidget(said);
    auto* hint = new QLabel(QStringLiteral("Enter: отключва. Esc: изход без тест."));
    hint->setTextFormat(Qt::PlainText);
    layout->addWidget(hint);
    auto* unlock = new QPushButton(QStringLiteral("Отключи"));
    unlock->setDefault(true);
    connect(unlock, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(unlock);
    password_->setFocus();
}

SecretBytes PasswordDialog::takePassword() {
    QString typed = password_->text();
    password_->clear();
    SecretBytes password = SecretBytes::FromPassword(typed);
    WipeText(typed);
    return password;
}

PasswordAsker AskPasswordInWindow() {
    return [](const QString& problem) -> PasswordAnswer {
        PasswordDialog dialog(problem);
        if (dialog.exec() != QDialog::Accepted) return QStringLiteral("паролата не е въведена.");
        return dialog.takePassword();
    };
}

} // namespace vorn
