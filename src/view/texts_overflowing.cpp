#include "texts_overflowing.h"

#include "bank/option_picture.h"
#include "form/form_controls.h"
#include "form/option_columns.h"
#include "form_view.h"
#include "read_only_text_box.h"

#include <QScrollBar>
#include <algorithm>

namespace vorn {

namespace {

// A text box of the window's kind at one design size, never on a screen.
class MeasuringBox {
public:
    MeasuringBox(const WindowLook& look, Twips width, Twips height) : box_(nullptr) {
        box_.setAttribute(Qt::WA_DontShowOnScreen);
        box_.setFont(QFont(look.FontName, look.FontSize));
        box_.setFixedSize(FormView::Px(width), FormView::Px(height));
        box_.show(); // a hidden box does not count the lines it shows
    }

    // Whether `text` overflows; the lines it needs and those the box shows.
    bool overflows(const QString& text, TextOverflow& lines) {
        box_.setPlainText(LineBreaksShown(text));
        // The scroll bar counts lines: it scrolls by what the box does not show.
        const QScrollBar* bar = box_.verticalScrollBar();
        lines.linesShown = bar->pageStep();
        lines.linesNeeded = bar->maximum() + bar->pageStep();
        return bar->maximum() > 0;
    }

private:
    ReadOnlyTextBox box_;
};

// The narrowest of the columns a question's options may be drawn into.
Twips OptionBoxWidth(int optionCount) {
    const std::array<OptionColumn, 5> columns = OptionColumns(optionCount);
    const auto shown = columns.begin() + std::clamp(optionCount, 1, 5);
    return std::min_element(
               columns.begin(), shown,
               [](const OptionColumn& a, const OptionColumn& b) { return a.boxWidth < b.boxWidth; })
        ->boxWidth;
}

} // namespace

std::vector<TextOverflow> TextsOverflowing(const BankContent& bank) {
    const FormControls design;
    MeasuringBox questionBox(design.window, design.questionText.Width, design.questionText.Height);
    const Twips optionHeight = design.options.texts(0).Height;
    MeasuringBox fourOrFewer(design.window, OptionBoxWidth(4), optionHeight);
    MeasuringBox five(design.window, OptionBoxWidth(5), optionHeight);
    std::vector<TextOverflow> found;
    for (std::size_t q = 0; q < bank.questions.size(); ++q) {
        const Question& question = bank.questions[q];
        TextOverflow lines{static_cast<int>(q) + 1, 0, 0, 0};
        if (questionBox.overflows(question.text, lines)) found.push_back(lines);
        MeasuringBox& optionBox = question.options.size() >= 5 ? five : fourOrFewer;
        for (int option = 0; option < question.options.size(); ++option) {
            lines.option = option + 1;
            if (OptionPicture(question, option)) continue; // shows its picture, fitted
            if (optionBox.overflows(question.options[option], lines)) found.push_back(lines);
        }
    }
    return found;
}

} // namespace vorn
