#include "settings_items.h"

#include "platform/text.h"

namespace vorn {

namespace {

enum Item : int {
    kHeadingItem = 0, // "Настройки - последната цифра": names the rule, no value
    kPhraseItem = 1,
    kCheckItem = 2,
    kTitleItem = 3,
    kExplanationItem = 4,
    kNavigationItem = 5,
};

// The digit an item ends in; 0 when it ends in anything else or is empty.
int Digit(const QString& item) {
    return static_cast<int>(Val(Right(item, 1)));
}

} // namespace

std::variant<BankSettings, QString> SettingsFromItems(const QStringList& items) {
    if (items.size() != kSettingsItems)
        return QStringLiteral("настройките трябва да са %1 реда, а са %2.")
            .arg(kSettingsItems)
            .arg(items.size());
    const auto digit = [&items](Item item) { return Digit(items[item]); };
    const int check = digit(kCheckItem);
    return BankSettings{.title = items[kTitleItem],
                        .phrasePreview = digit(kPhraseItem) == 1,
                        .check = check == 1  ? CheckMode::WithQuestion
                                 : check > 0 ? CheckMode::VerdictOnly
                                             : CheckMode::Off,
                        .explanations = digit(kExplanationItem) > 0,
                        .reviewNavigation = digit(kNavigationItem) == 1};
}

QStringList SettingsItems(const BankSettings& settings) {
    const auto digit = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const QString check = settings.check == CheckMode::WithQuestion  ? QStringLiteral("1")
                          : settings.check == CheckMode::VerdictOnly ? QStringLiteral("2")
                                                                     : QStringLiteral("0");
    QStringList items(kSettingsItems);
    items[kHeadingItem] = QStringLiteral("Настройки - последната цифра");
    items[kPhraseItem] =
        QStringLiteral("ЧЕО - фраза от 2 части - ") + digit(settings.phrasePreview);
    items[kCheckItem] = QStringLiteral("Проверка за Тото - ") + check;
    items[kTitleItem] = settings.title;
    items[kExplanationItem] = QStringLiteral("Дава описание - ") + digit(settings.explanations);
    items[kNavigationItem] = QStringLiteral("Дава обяснения - ") + digit(settings.reviewNavigation);
    return items;
}

} // namespace vorn
