#include "password_sources.h"

#include "locked_bank.h"
#include "platform/hidden_line.h"
#include "platform/regular_file.h"

#include <QFile>
#include <memory>
#include <sodium.h>

namespace vorn {

namespace {

constexpr qint64 kMaxPasswordFileBytes = 1024;

// The file's first line, or why it cannot be read.
std::variant<SecretBytes, QString> ReadPasswordFile(const QString& path) {
    QFile file;
    if (OpenRegularFile(file, path) != OpenOutcome::Opened)
        return QStringLiteral("файлът с паролата „%1“ не може да се прочете.").arg(path);
    QByteArray bytes = file.read(kMaxPasswordFileBytes);
    QString text = QString::fromUtf8(bytes.left(bytes.indexOf('\n')));
    ::sodium_memzero(bytes.data(), static_cast<std::size_t>(bytes.size()));
    SecretBytes password = SecretBytes::FromPassword(text);
    WipeText(text);
    if (password.empty()) return QStringLiteral("файлът с паролата „%1“ е празен.").arg(path);
    return password;
}

PasswordAnswer Typed(const QString& prompt) {
    std::optional<QString> line = ReadHiddenLine(prompt);
    if (!line)
        return QStringLiteral("банката е заключена с парола, а парола не е дадена (няма "
                              "терминал, на който да се въведе: дайте --password-file ФАЙЛ).");
    SecretBytes password = SecretBytes::FromPassword(*line);
    WipeText(*line);
    return password;
}

} // namespace

PasswordAsker PasswordFrom(const QString& passwordFile) {
    if (passwordFile.isEmpty())
        return [](const QString& problem) {
            return Typed((problem.isEmpty() ? QString() : problem + u'\n') +
                         QStringLiteral("Паролата на банката: "));
        };
    auto asked = std::make_shared<bool>(false);
    return [passwordFile, asked](const QString& problem) -> PasswordAnswer {
        if (*asked) return problem; // the file would say the same again
        *asked = true;
        return ReadPasswordFile(passwordFile);
    };
}

std::optional<QString> WeakPassword(const SecretBytes& password) {
    QString text = QString::fromUtf8(password.view());
    const bool longEnough = text.size() >= kMinPasswordCharacters;
    WipeText(text);
    if (longEnough) return std::nullopt;
    return QStringLiteral("паролата трябва да е поне %1 знака: по-късата се отгатва от копие на "
                          "файла за часове.")
        .arg(kMinPasswordCharacters);
}

std::variant<SecretBytes, QString> NewPassword(const QString& passwordFile) {
    PasswordAnswer chosen = passwordFile.isEmpty() ? Typed(QStringLiteral("Парола за банката: "))
                                                   : ReadPasswordFile(passwordFile);
    const auto* password = std::get_if<SecretBytes>(&chosen);
    if (!password) return chosen;
    if (passwordFile.isEmpty()) {
        const PasswordAnswer again = Typed(QStringLiteral("Същата парола отново: "));
        const auto* second = std::get_if<SecretBytes>(&again);
        if (!second || !(*second == *password))
            return QStringLiteral("двете пароли не са еднакви.");
    }
    if (const auto weak = WeakPassword(*password)) return *weak;
    return chosen;
}

} // namespace vorn
