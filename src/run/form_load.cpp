// The start of a run: applies the bank's settings, adds the check question,
// draws the question order and every question's option order, resets the
// answers, lays out the progress bars and shows the first question.

#include "bank/bank_limits.h"
#include "platform/text.h"
#include "window/vorn_prazno.h"

namespace vorn {

void VORN_Prazno::Form_Load() {
    // A bank that breaks a limit would fail half-way through the start (no row
    // to draw a step from, no slot for the check question): refuse it whole.
    if (const auto problem = CheckBankLimits(VORN_Danni)) throw BankLimitError(*problem);

    Rnd.Randomize();
    Label1(0).Caption = VORN_Danni.List2.List(kTitleItem);

    if (VORN_Danni.AddsCheckQuestion()) {
        // The check question: question 1 once more, as question N + 1.
        const int N = VORN_Danni.List1(0).ListCount();
        VORN_Danni.Picture1(N + 1).Picture = VORN_Danni.Picture1(1).Picture;
        VORN_Danni.List1(0).AddItem(VORN_Danni.List1(0).List(0));
        ListBox& copy = VORN_Danni.List1(N + 1);
        copy.Clear();
        const ListBox& first = VORN_Danni.List1(1);
        for (int i = 0; i < first.ListCount(); ++i)
            copy.AddItem(first.List(i));
        // Its explanation too, so that review shows the real one, not the
        // placeholder of the slot.
        ListBox& explanation = VORN_Danni.Obqsnenie(N + 1);
        explanation.Clear();
        const ListBox& firstExplanation = VORN_Danni.Obqsnenie(1);
        for (int i = 0; i < firstExplanation.ListCount(); ++i)
            explanation.AddItem(firstExplanation.List(i));
    }

    QuestionCount = VORN_Danni.List1(0).ListCount();
    Picture1.BackColor = kRed;
    DrawOrderStep();
    AnsweredCount = 0;
    Text2(6).Visible = VORN_Danni.Setting(kPhraseItem) == 1;

    for (ControlArray<Shape>* bar : {&Shape1, &Shape2}) {
        ControlArray<Shape>& S = *bar;
        S(0).Left = Command1(0).Left;
        S(1).Left = S(0).Left + S(0).Width;
        S(1).Width = Command1(1).Left + Command1(1).Width - S(1).Left;
    }

    for (int j = 0; j <= 4; ++j)
        List2(j).Clear();
    for (int i = 1; i <= QuestionCount; ++i) {
        List2(0).AddItem(QStringLiteral("-1"));
        List2(1).AddItem(CStr((i * OrderStep) % QuestionCount));
        const int k = VORN_Danni.List1(i).ListCount() - 1;
        const std::int32_t f = Factorial(k);
        const float r = Rnd.Rnd();
        const float scaled = r * 1000.0f; // single precision, as the draw is defined
        const long m = RoundHalfEven(scaled) % f;
        List2(2).AddItem(VORN_Danni.Poredica(k).List(static_cast<int>(m)));
        List2(3).AddItem(QStringLiteral("-1"));
        List2(4).AddItem(QStringLiteral("-1"));
    }

    CurrentPos = 0;
    ShowQuestion();
}

} // namespace vorn
