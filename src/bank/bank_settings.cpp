#include "bank_settings.h"

#include "platform/text.h"

namespace vorn {

double SettingValue(const QString& item) {
    return Val(Right(item, 1));
}

RunSettings RunSettingsOf(const QStringList& settings) {
    const auto value = [&settings](int item) { return SettingValue(settings.value(item)); };
    return {.title = settings.value(kTitleItem),
            .phrasePreview = value(kPhraseItem) == 1,
            .addsCheckQuestion = value(kCheckItem) == 1,
            .showsVerdict = value(kCheckItem) > 0,
            .explanations = value(kExplanationItem) > 0,
            .reviewNavigation = value(kNavigationItem) == 1};
}

bool AddsCheckQuestion(const QStringList& settings) {
    return RunSettingsOf(settings).addsCheckQuestion;
}

QStringList MakeSettings(const QString& title, const SettingSwitches& switches) {
    const auto digit = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return {
        QStringLiteral("Настройки - последната цифра"),
        QStringLiteral("ЧЕО - фраза от 2 части - ") + digit(switches.phrase),
        QStringLiteral("Проверка за Тото - ") + (switches.check          ? QStringLiteral("1")
                                                 : switches.checkVerdict ? QStringLiteral("2")
                                                                         : QStringLiteral("0")),
        title,
        QStringLiteral("Дава описание - ") + digit(switches.explanation),
        QStringLiteral("Дава обяснения - ") + digit(switches.navigation),
    };
}

} // namespace vorn
