#pragma once
// The data form that holds the question bank. It is never shown; its list and
// picture boxes are containers the test logic addresses by name and index:
//   List1(0)        the answer key, one item per question
//   List1(q)        question q: the text, then its options (q = 1..39)
//   Obqsnenie(q)    the explanation of question q, one line per item (q = 0..29)
//   Picture1(q)     the picture of question q, or none (q = 0..29)
//   Poredica(k)     every order of 1..k as a string of digits (k = 2..5)
//   List2           the six settings items
//   Text1(0)        a note for authors of a bank

#include "bank_content.h"
#include "bank_limits.h"
#include "bank_settings.h"
#include "platform/control_array.h"
#include "platform/controls.h"

namespace vorn {

class QuestionBank {
public:
    static constexpr int kQuestionSlots = 39;
    static constexpr int kPictureSlots = kMaxRunQuestions; // also the explanation slots
    // The window's picture area, where a question's picture is drawn from its
    // corner and clipped.
    static constexpr Twips kPictureAreaWidth = 3375;
    static constexpr Twips kPictureAreaHeight = 2055;

    QuestionBank();
    QuestionBank(const QuestionBank&) = delete;
    QuestionBank& operator=(const QuestionBank&) = delete;

    // Fills every container from the content; slots beyond the content keep
    // their placeholders. The one way a bank gets its questions.
    void Load(const BankContent& content);
    // What was loaded, as values: what a run is started from.
    const BankContent& content() const { return content_; }

    // The value of settings item `item` of List2 (see bank_settings.h).
    double Setting(int item) const { return SettingValue(List2.List(item)); }

    // The data form is loaded on first use and unloaded when the program ends.
    void Unload() { loaded_ = false; }
    bool loaded() const { return loaded_; }

    QString Caption = QStringLiteral("Сорвелин - Данни");
    ControlArray<ListBox> List1{QStringLiteral("List1"), 0, kQuestionSlots};
    ControlArray<ListBox> Obqsnenie{QStringLiteral("Obqsnenie"), 0, kPictureSlots};
    ControlArray<PictureBox> Picture1{QStringLiteral("Picture1"), 0, kPictureSlots};
    ControlArray<ListBox> Poredica{QStringLiteral("Poredica"), kMinOptions, kMaxOptions};
    ListBox List2;
    ControlArray<TextBox> Text1{QStringLiteral("Text1"), {0}};

private:
    void FillPlaceholders();
    BankContent content_;
    bool loaded_ = true;
};

// All orders of 1..k (option_orders.h), each as a string of k digits.
QStringList Permutations(int k);

} // namespace vorn
