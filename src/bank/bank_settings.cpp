#include "bank_settings.h"

#include "platform/text.h"

namespace vorn {

double SettingValue(const QString& item) {
    return Val(Right(item, 1));
}

QStringList MakeSettings(const QString& title, const SettingSwitches& switches) {
    const auto digit = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {
        QStringLiteral("Настройки - последната цифра"),
        QStringLiteral("ЧЕО - фраза от 2 части - ") + digit(switches.phrase),
        QStringLiteral("Проверка за Тото - ") + digit(switches.check),
        title,
        QStringLiteral("Дава описание - ") + digit(switches.explanation),
        QStringLiteral("Дава обяснения - ") + digit(switches.navigation),
    };
}

} // namespace vorn
