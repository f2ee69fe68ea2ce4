#include "password_tries.h"

#include "bank_bundle.h"
#include "locked_bank.h"

#include "platform/regular_file.h"

#include <QFile>

namespace vorn {

namespace {

LoadedBank PasswordRefused(const QString& message) {
    LoadedBank bank;
    bank.issues.push_back({.message = message});
    return bank;
}

QString TriesLeft(int left) {
    return left == 1 ? QStringLiteral("Паролата не е вярна. Остава още един опит.")
                     : QStringLiteral("Паролата не е вярна. Остават още %1 опита.").arg(left);
}

// The bank inside, or the refusal.
LoadedBank TryPasswords(const QByteArray& file, const PasswordAsker& ask) {
    if (const auto damage = LockedBankDamage(file))
        return PasswordRefused(QStringLiteral("заключената банка не може да се отвори: ") +
                               *damage);
    QString problem;
    for (int tried = 0; tried < kPasswordTries; ++tried) {
        const PasswordAnswer answer =
            ask ? ask(problem)
                : PasswordAnswer(QStringLiteral("банката е заключена с парола, а парола не е "
                                                "дадена."));
        if (const auto* none = std::get_if<QString>(&answer))
            return PasswordRefused(tried == 0 ? *none : QStringLiteral("паролата не е вярна."));
        auto opened = UnlockBank(file, std::get<SecretBytes>(answer));
        if (auto* plain = std::get_if<SecretBytes>(&opened))
            return ReadBundledBank(plain->view()); // the decrypted bytes are wiped as `opened` goes
        const UnlockFailure& failure = std::get<UnlockFailure>(opened);
        if (failure.kind == UnlockFailure::Kind::Damaged)
            return PasswordRefused(QStringLiteral("заключената банка не може да се отвори: ") +
                                   failure.reason);
        problem = TriesLeft(kPasswordTries - tried - 1);
    }
    return PasswordRefused(QStringLiteral("паролата не е вярна %1 пъти.").arg(kPasswordTries));
}

} // namespace

LoadedBank OpenLockedBank(const QByteArray& file, const PasswordAsker& ask) {
    LoadedBank bank = TryPasswords(file, ask);
    bank.locked = true;
    return bank;
}

bool IsLockedBankFile(const QString& path) {
    QFile file;
    return OpenRegularFile(file, path) == OpenOutcome::Opened && IsLockedBank(file.read(32));
}

} // namespace vorn
