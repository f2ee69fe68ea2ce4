// The shipped test's texts fit the design's boxes with the fonts the window
// is given: a version of the fonts with other metrics (Liberation 2 beside
// Liberation 1, VORN_TEST_LIBERATION) must not push a line out of sight.

#include "shipped/shipped_bank.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace vorn;

TEST(ShippedTextsFit, EveryQuestionAndOptionShowsWholeInItsBox) {
    const BankContent bank = ShippedBank();
    const int questions = static_cast<int>(bank.questions.size());
    const auto run =
        test::StartRun(bank, test::StepThenIdentity(0.0f, questions + 1)); // and the check question
    FormView view(*run->form);
    view.show();
    QApplication::processEvents();
    for (int position = 0; position < questions; ++position) {
        for (int box = 0; box <= 5; ++box) {
            auto* text =
                qobject_cast<QPlainTextEdit*>(view.widgetFor(QStringLiteral("Text2(%1)").arg(box)));
            ASSERT_NE(text, nullptr) << box;
            if (!text->isVisible()) continue;
            // A text that needs more lines than the box shows can be scrolled.
            EXPECT_EQ(text->verticalScrollBar()->maximum(), 0)
                << "position " << position << ", box " << box << ": "
                << text->toPlainText().toStdString();
        }
        run->form->forward();
        view.refresh();
        QApplication::processEvents();
    }
}
