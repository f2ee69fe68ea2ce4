#pragma once
// Lets a test run one procedure of the main form on its own.

#include "window/vorn_prazno.h"

namespace vorn {

class FormProbe {
public:
    static void DrawOrderStep(VORN_Prazno& f) { f.DrawOrderStep(); }
    static void ShowQuestion(VORN_Prazno& f) { f.ShowQuestion(); }
    static void ShowReviewQuestion(VORN_Prazno& f) { f.ShowReviewQuestion(); }
    static void ShowFilledPhrase(VORN_Prazno& f) { f.ShowFilledPhrase(); }
    static void ShowProgress(VORN_Prazno& f) { f.ShowProgress(); }
    static void ShowVerdict(VORN_Prazno& f) { f.ShowVerdict(); }
};

} // namespace vorn
