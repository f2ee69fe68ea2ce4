#pragma once
// The small window before a test whose bank is locked: the password the
// teacher announces, typed hidden. Enter or "Отключи" goes on; Esc or the
// close box ends without a password. Why the last one failed is said in the
// window itself, as plain text.

#include "bank/password_tries.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vorn {

class PasswordDialog : public QDialog {
public:
    explicit PasswordDialog(const QString& problem, QWidget* parent = nullptr);
    // The password typed; the field is emptied.
    SecretBytes takePassword();

private:
    QLineEdit* password_;
};

// Asks in a PasswordDialog each time.
PasswordAsker AskPasswordInWindow();

} // namespace vorn
