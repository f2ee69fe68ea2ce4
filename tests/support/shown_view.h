#pragma once
// A run in the real window, shown on the offscreen platform. By default five
// questions with the check question off and review navigation on, the order
// step 3 and every option in stored order: position 0 shows question 4
// (options "4-1" .. "4-4", key "4-1"), position 1 question 1.

#include "test_banks.h"
#include "view/form_view.h"

#include <QApplication>

namespace vorn::test {

struct ShownView {
    explicit ShownView(const BankContent& bank = MakeBank({.questions = 5,
                                                           .check = CheckMode::Off}))
        : run(StartRun(bank, StepThenIdentity(0.3f, static_cast<int>(bank.questions.size())))),
          form(*run->form), view(form) {
        view.show();
        QApplication::processEvents();
    }
    QWidget* widget(const char* name) const { return view.widgetFor(QString::fromUtf8(name)); }

    std::unique_ptr<Run> run;
    MainForm& form;
    FormView view;
};

} // namespace vorn::test
