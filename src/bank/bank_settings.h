#pragma once
// The six settings items of a bank. A setting is the last character of its
// item read as a number, so "Проверка за Тото - 1" is 1 and an item ending in
// "10" is 0; the title is the whole of item 3. Each reader decides its own test
// of the value (equal to 1, or greater than 0).

#include <QString>
#include <QStringList>

namespace vorn {

enum SettingItem : int {
    kHeadingItem = 0, // "Настройки - последната цифра": names the rule, no value
    kPhraseItem = 1,      // the filled-phrase preview
    kCheckItem = 2,       // the "Тото" check question
    kTitleItem = 3,       // the title of the test, used whole
    kExplanationItem = 4, // explanations in review
    kNavigationItem = 5,  // review navigation
};
constexpr int kSettingsItems = 6;

// The value of a setting item: its last character as a number; 0 when that
// character is not a digit or the item is empty.
double SettingValue(const QString& item);

// What each switch means, read from a list of the six items, each by its own
// test: a run adds the check question only for the value 1, but shows the
// verdict of the check for any value above 0.
struct RunSettings {
    QString title;
    bool phrasePreview = false;     // == 1
    bool addsCheckQuestion = false; // == 1
    bool showsVerdict = false;      // > 0
    bool explanations = false;      // > 0
    bool reviewNavigation = false;  // == 1

    bool operator==(const RunSettings&) const = default;
};
RunSettings RunSettingsOf(const QStringList& settings);
bool AddsCheckQuestion(const QStringList& settings);

struct SettingSwitches {
    bool phrase = false;
    bool check = false; // the check question, and its verdict
    bool explanation = true;
    bool navigation = true;
    bool checkVerdict = false; // the verdict alone, comparing the first and the last question
};

// A settings list in the wording of the shipped test, with each switch as
// the digit 1 or 0.
QStringList MakeSettings(const QString& title, const SettingSwitches& switches);

} // namespace vorn
