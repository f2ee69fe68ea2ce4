// The checker's measure of long texts: a text of n short lines needs n lines,
// and the box shows as many whole lines as its inside height holds at the
// window's font. Faults caught: a box measured at the wrong size or font (a
// five-option question has narrower columns), a text that fits reported, one
// that needs one line more missed, an option blamed on the wrong question.

#include "form/form_controls.h"
#include "form/option_columns.h"
#include "view/form_view.h"
#include "view/texts_overflowing.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <QTextDocument>
#include <array>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Whole lines of the window's font a box `heightTwips` high shows without
// scrolling: inside the style's frame, the text stands between the document's
// margin above and below it, and the box keeps one margin and one pixel more
// free at its foot (QPlainTextEdit's reckoning of its scroll range).
int LinesShown(Twips heightTwips) {
    const FormControls design;
    const QFontMetrics metrics(QFont(design.window.FontName, design.window.FontSize));
    const int frame = QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int margin = static_cast<int>(QTextDocument().documentMargin());
    const int inside = FormView::Px(heightTwips) - 2 * frame - 3 * margin - 1;
    return inside / metrics.lineSpacing();
}

QString ShortLines(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("ред %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

Question MakeQuestion(const QString& text, const QStringList& options) {
    Question question;
    question.text = text;
    question.options = options;
    question.key = options.front();
    return question;
}

} // namespace

TEST(TextsOverflowing, LinesNeededAndShownByBox) {
    const FormControls design;
    const int questionShown = LinesShown(design.questionText.Height);
    const int optionShown = LinesShown(design.options.texts(0).Height);
    ASSERT_GE(questionShown, 1);
    ASSERT_GE(optionShown, 1);
    BankContent bank;
    // 1: both fit exactly; 2: each needs one line more; 3: the last of five.
    bank.questions.push_back(
        MakeQuestion(ShortLines(questionShown), {ShortLines(optionShown), QStringLiteral("б")}));
    bank.questions.push_back(MakeQuestion(ShortLines(questionShown + 1),
                                          {QStringLiteral("а"), ShortLines(optionShown + 1)}));
    bank.questions.push_back(MakeQuestion(
        QStringLiteral("в"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("4"), ShortLines(optionShown + 3)}));
    using Found = std::vector<std::array<int, 4>>; // question, option, needed, shown
    Found found;
    for (const TextOverflow& o : TextsOverflowing(bank))
        found.push_back({o.question, o.option, o.linesNeeded, o.linesShown});
    EXPECT_EQ(found, (Found{{2, 0, questionShown + 1, questionShown},
                            {2, 2, optionShown + 1, optionShown},
                            {3, 5, optionShown + 3, optionShown}}));
}

// Words that fill one line of a four-option column wrap in the narrower
// columns of a five-option question. The width a line of text gets: the box
// less its frame, the scroll bar it always shows, and the document's margin.
TEST(TextsOverflowing, FiveOptionsHaveNarrowerBoxes) {
    const FormControls design;
    const QFontMetrics metrics(QFont(design.window.FontName, design.window.FontSize));
    const QStyle* style = QApplication::style();
    const auto textWidth = [&](Twips box) {
        return FormView::Px(box) - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth) -
               style->pixelMetric(QStyle::PM_ScrollBarExtent) -
               2 * static_cast<int>(QTextDocument().documentMargin());
    };
    const int wide = textWidth(OptionColumns(4)[0].boxWidth);
    const int narrow = textWidth(OptionColumns(5)[0].boxWidth);
    ASSERT_LT(narrow, wide);
    // As many "ш" as fit the wide line, one line per text: `optionShown` lines
    // that fill the wide box exactly wrap in the narrow one.
    const int letters = wide / metrics.horizontalAdvance(u'ш');
    ASSERT_GT(letters * metrics.horizontalAdvance(u'ш'), narrow);
    const int shown = LinesShown(design.options.texts(0).Height);
    QStringList lines;
    for (int i = 0; i < shown; ++i)
        lines << QString(letters, u'ш');
    const QString full = lines.join(QStringLiteral("\n"));

    BankContent bank;
    bank.questions.push_back(MakeQuestion(QStringLiteral("а"), {full, QStringLiteral("б")}));
    bank.questions.push_back(
        MakeQuestion(QStringLiteral("в"), {full, QStringLiteral("2"), QStringLiteral("3"),
                                           QStringLiteral("4"), QStringLiteral("5")}));
    const std::vector<TextOverflow> found = TextsOverflowing(bank);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].question, 2);
    EXPECT_EQ(found[0].option, 1);
    EXPECT_GE(found[0].linesNeeded, shown + 1);
}
