// What an accessibility client (a screen reader, or anyone on the session's
// accessibility bus) can read from the window: never the hidden state of the
// run, nor the text of a control that is not shown.

#include "support/each_control.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QAccessible>
#include <QApplication>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Every text of every node of the window's accessibility tree.
void CollectTexts(QAccessibleInterface* node, QStringList& texts, QStringList& objects) {
    if (!node || !node->isValid()) return;
    for (const auto kind :
         {QAccessible::Name, QAccessible::Value, QAccessible::Description, QAccessible::Help})
        texts.append(node->text(kind));
    if (QAccessibleTextInterface* text = node->textInterface())
        texts.append(text->text(0, text->characterCount()));
    if (node->object()) objects.append(node->object()->objectName());
    for (int i = 0; i < node->childCount(); ++i)
        CollectTexts(node->child(i), texts, objects);
}

// What the examinee must not read: the texts of hidden controls and, before
// grading, every explanation, less whatever a visible control shows anyway.
QStringList Secrets(const MainForm& f) {
    QStringList shown, secret;
    const auto consider = [&](const Control& c, const QString& text) {
        (c.Visible ? shown : secret).append(text.trimmed());
    };
    test::EachControl(f.controls(), test::Overloaded{
                                        [&](const Label& c) { consider(c, c.Caption); },
                                        [&](const CommandButton& c) { consider(c, c.Caption); },
                                        [&](const OptionButton& c) { consider(c, c.Caption); },
                                        [&](const TextBox& c) { consider(c, c.Text); },
                                        [](const Control&) {},
                                    });
    if (f.attempt().mode() == RunMode::Test)
        for (int q = 0; q < f.attempt().questionCount(); ++q)
            secret += f.attempt().question(q).explanation;
    QStringList result;
    for (const QString& s : secret)
        if (!s.isEmpty() && !shown.contains(s)) result.append(s);
    return result;
}

void ExpectNothingHiddenReadable(const MainForm& f, FormView& view, const char* moment) {
    QStringList texts, objects;
    CollectTexts(QAccessible::queryAccessibleInterface(&view), texts, objects);
    ASSERT_GT(texts.size(), 20) << "the tree was walked";
    for (const QString& object : objects)
        EXPECT_FALSE(object.startsWith(QStringLiteral("List2"))) << moment;
    const QString all = texts.join(u'\n');
    for (const QString& secret : Secrets(f))
        EXPECT_FALSE(all.contains(secret)) << moment << ": " << secret.toStdString();
}

} // namespace

TEST(HiddenState, NoStateListRowNorHiddenTextReachesTheAccessibilityTree) {
    // Four options: slot 5 and its button are hidden; the check question is on.
    const auto run =
        test::StartRun(test::MakeBank({.questions = 6}), test::StepThenIdentity(0.0f, 7));
    MainForm& f = *run->form;
    FormView view(f);
    view.show();
    QApplication::processEvents();
    ExpectNothingHiddenReadable(f, view, "at start");

    test::AnswerRight(f); // the answer state of this position becomes "1"
    view.refresh();
    ExpectNothingHiddenReadable(f, view, "after a right answer");

    f.grade();
    view.refresh();
    ExpectNothingHiddenReadable(f, view, "in review");
}
