// What a screen reader hears, read through Qt's accessibility interface as an
// assistive tool would: the names of the visible controls at start, after an
// answer and in review; radio buttons of one group; the change of question.

#include "support/shown_view.h"
#include "view/form_view.h"
#include "view/option_frame.h"
#include "view/startup.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QAccessibleInterface* Node(FormView& view, const char* name) {
    return QAccessible::queryAccessibleInterface(view.widgetFor(QString::fromUtf8(name)));
}

std::string Name(FormView& view, const char* name) {
    return Node(view, name)->text(QAccessible::Name).toStdString();
}

std::string Description(FormView& view, const char* name) {
    return Node(view, name)->text(QAccessible::Description).toStdString();
}

} // namespace

TEST(Accessibility, NamesAtStartAfterAnAnswerAndInReview) {
    // Position 0 shows question 4 ("4-1" .. "4-4", key "4-1").
    test::ShownView shown;
    MainForm& f = shown.form;
    FormView& view = shown.view;

    QAccessibleInterface* a = Node(view, "Option1(0)");
    EXPECT_EQ(a->role(), QAccessible::RadioButton);
    EXPECT_EQ(a->parent()->role(), QAccessible::Grouping) << "one group";
    EXPECT_EQ(a->parent()->text(QAccessible::Name).toStdString(), "Отговори");
    EXPECT_EQ(Name(view, "Option1(0)"), "Отговор A: 4-1");
    EXPECT_EQ(Name(view, "Option1(3)"), "Отговор D: 4-4");
    EXPECT_EQ(Name(view, "Text2(2)"), "Отговор B");
    const auto labelled = a->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first->object(), view.widgetFor("Text2(1)"));
    EXPECT_EQ(Name(view, "Text2(0)"), "Въпрос 1 от 5");
    EXPECT_EQ(Name(view, "Shape1(0)"), "Въпрос 1 от 5");
    EXPECT_EQ(Name(view, "Shape2(0)"), "Въведени отговори: 0/5");
    EXPECT_EQ(Name(view, "Picture1"), "Въведен отговор:");
    EXPECT_EQ(Description(view, "Picture1"), "Въпросът още няма отговор.");
    EXPECT_EQ(view.widgetFor("Picture1")->toolTip().toStdString(), "Въпросът още няма отговор.");

    QTest::mouseClick(view.widgetFor("Option1(1)"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(Node(view, "Option1(1)")->state().checked);
    EXPECT_EQ(Name(view, "Shape2(0)"), "Въведени отговори: 1/5");
    EXPECT_EQ(Description(view, "Picture1"), "Въпросът има отговор.");
    QTest::mouseClick(view.widgetFor("Command1(0)"), Qt::LeftButton, {}, QPoint(5, 5));
    // The new question is announced: its box's name changes with it (Qt tells
    // a listening screen reader of the change and of the new text).
    EXPECT_EQ(Name(view, "Text2(0)"), "Въпрос 2 от 5");

    // Review of position 0: "4-2" chosen (wrong), "4-1" right.
    f.grade();
    view.refresh();
    EXPECT_EQ(Description(view, "Option1(0)"), "верен отговор");
    EXPECT_EQ(Description(view, "Option1(1)"), "грешен отговор");
    EXPECT_EQ(Description(view, "Option1(2)"), "");
    EXPECT_EQ(Description(view, "Picture1"), "Въпросът не е отговорен вярно.");
    EXPECT_EQ(Name(view, "Option1(4)"), "") << "a hidden button says nothing";
}

TEST(Accessibility, ReviewMarksSayWhatTheColoursSay) {
    test::ShownView shown;
    MainForm& f = shown.form;
    FormView& view = shown.view;
    auto* frame = dynamic_cast<OptionFrame*>(view.widgetFor("Frame1"));
    ASSERT_NE(frame, nullptr);
    test::AnswerWrong(f); // option "4-2" in slot 1
    view.refresh();
    const QImage testMode = frame->grab().toImage();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(frame->mark(i), OptionMark::None) << "no marks before grading";

    f.grade();
    view.refresh();
    const QImage review = frame->grab().toImage();
    // The key, not chosen, is ticked as the right one; the wrong choice crossed.
    const OptionMark expected[] = {OptionMark::RightNotChosen, OptionMark::Wrong, OptionMark::None,
                                   OptionMark::None, OptionMark::None};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(frame->mark(i), expected[i]) << i;
        const QRect at = frame->markRect(i);
        if (i < 4) { // Option1(4) is hidden
            EXPECT_EQ(review.copy(at) != testMode.copy(at), expected[i] != OptionMark::None)
                << "drawn exactly where a mark is, " << i;
        }
    }
}

TEST(Accessibility, QtsOwnTextsAreBulgarian) {
    ASSERT_TRUE(LoadQtTranslations(*qApp, QLocale(QLocale::Bulgarian, QLocale::Bulgaria)));
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("текст"));
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts.append(action->text());
    EXPECT_TRUE(texts.join(' ').contains(QRegularExpression(QStringLiteral("[А-Яа-я]{4}"))))
        << texts.join(' ').toStdString();
}
