#pragma once
// Every control of the main form, each by its own type, for tests that must
// look at all of them (what the window shows, what a hidden control holds).

#include "form/form_controls.h"

namespace vorn::test {

template <typename... Visits> struct Overloaded : Visits... { using Visits::operator()...; };
template <typename... Visits> Overloaded(Visits...) -> Overloaded<Visits...>;

// Labels, buttons, text boxes, the frame, option buttons, pictures and bar
// segments, in the design's order; menu commands are not controls, and the
// label of the time left, which only a time limit shows, is not among them
// (the golden traces, recorded before it, list exactly these).
template <typename Visit> void EachControl(const FormControls& f, Visit&& visit) {
    visit(f.titleLabel);
    for (const CommandButton* button : {&f.moves.forward, &f.moves.back, &f.moves.reviewForward,
                                        &f.moves.reviewBack, &f.gradeButton})
        visit(*button);
    visit(f.questionText);
    for (const TextBox& box : f.options.texts)
        visit(box);
    visit(f.phraseText);
    visit(f.options.frame);
    for (int slot = 0; slot < 5; ++slot)
        visit(f.options.buttons(slot));
    visit(f.indicator.caption);
    visit(f.indicator.light);
    for (const Shape* segment : {&f.progress.positionBar.passed, &f.progress.positionBar.rest,
                                 &f.progress.answeredBar.passed, &f.progress.answeredBar.rest})
        visit(*segment);
    for (const Label* label : {&f.progress.answeredCount, &f.checkLabel, &f.resultLabel})
        visit(*label);
    visit(f.pictureArea);
    visit(f.infoBox);
    visit(f.hiddenNote);
}

} // namespace vorn::test
