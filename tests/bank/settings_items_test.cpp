// The six settings items of a version-1 file: each switch read by its own
// test of the last character, and written back in the shipped test's wording,
// which the fingerprint hashes.

#include "bank/settings_items.h"
#include "support/bank_printers.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

using namespace vorn;

// Catches a switch read with another switch's test (a "Тото - 2" that adds the
// copy, a "описание - 3" that hides the explanations), a digit taken from
// anywhere but the last character, and a title cut short.
TEST(SettingsItems, EachSwitchIsReadByItsOwnTestOfTheLastCharacter) {
    const struct {
        QStringList items;
        BankSettings expected;
    } cases[] = {
        {{"Настройки - последната цифра", "ЧЕО - фраза от 2 части - 0", "Проверка за Тото - 1",
          "ВОРН по Геометрия - успоредник", "Дава описание - 1", "Дава обяснения - 0"},
         {"ВОРН по Геометрия - успоредник", false, CheckMode::WithQuestion, true, false}},
        {{"", "фраза - 1", "Тото - 2", "Тест 1", "описание - 3", "обяснения - 1"},
         {"Тест 1", true, CheckMode::VerdictOnly, true, true}},
        {{"x", "фраза - 2", "Тото - 10", "", "описание - 0", "обяснения - 2"},
         {"", false, CheckMode::Off, false, false}},
        {{"", "", "Тото 0001", "Т", "описание 9", "навигация 1"},
         {"Т", false, CheckMode::WithQuestion, true, true}},
        // Only ASCII digits count: a letter, a full-width or an Arabic-Indic one is 0.
        {{"", "фраза - x", "Тото - 9", "Т", "описание - １", "обяснения - ١"},
         {"Т", false, CheckMode::VerdictOnly, false, false}},
    };
    for (const auto& c : cases) {
        const auto read = SettingsFromItems(c.items);
        ASSERT_TRUE(std::holds_alternative<BankSettings>(read)) << c.items.join('|').toStdString();
        EXPECT_EQ(std::get<BankSettings>(read), c.expected) << c.items.join('|').toStdString();
    }
}

// Catches a list of another length read as settings (or read past its end).
TEST(SettingsItems, AListOfAnotherLengthIsRefused) {
    const std::pair<QStringList, QString> cases[] = {
        {{}, "настройките трябва да са 6 реда, а са 0."},
        {{"a", "b", "c", "d", "e"}, "настройките трябва да са 6 реда, а са 5."},
        {{"a", "b", "c", "d", "e", "f", "g"}, "настройките трябва да са 6 реда, а са 7."},
    };
    for (const auto& [items, message] : cases) {
        const auto read = SettingsFromItems(items);
        ASSERT_TRUE(std::holds_alternative<QString>(read)) << items.size();
        EXPECT_EQ(std::get<QString>(read), message);
    }
}
