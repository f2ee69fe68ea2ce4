#pragma once
// The settings as the six items of a version-1 bank file, the form the
// window once read them in: each item a text whose last character is the
// switch's digit ("Проверка за Тото - 1"; an item ending in "10" is 0, one
// ending in a letter too), and the title the whole of the fourth item.
//
// The window tested each digit its own way, and a file keeps meaning what it
// meant: the preview, the check question and the review navigation are on
// for exactly 1; the verdict of the check and the explanations for any digit
// above 0 ("Проверка за Тото - 2" shows the verdict without the copy).

#include "bank_settings.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace vorn {

inline constexpr int kSettingsItems = 6;

// The settings the items mean; what is wrong with the list when it is not
// six items.
std::variant<BankSettings, QString> SettingsFromItems(const QStringList& items);

// The six items in the wording of the shipped test, each switch the digit 1
// or 0, and 2 for the verdict of the check alone. Reading them back gives the
// same settings.
QStringList SettingsItems(const BankSettings& settings);

} // namespace vorn
