// What an accessibility client (a screen reader, or anyone on the session's
// accessibility bus) can read from the window: never the hidden state of the
// run, nor the text of a control that is not shown.

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
QStringList Secrets(const VORN_Prazno& f) {
    QStringList shown, secret;
    const auto consider = [&](const Control& c, const QString& text) {
        (c.Visible ? shown : secret).append(text.trimmed());
    };
    for (int i = 0; i <= 4; ++i)
        consider(f.controls().Label1(i), f.controls().Label1(i).Caption);
    for (int i = 0; i <= 6; ++i)
        consider(f.controls().Text2(i), f.controls().Text2(i).Text);
    for (int i = 0; i <= 1; ++i)
        consider(f.controls().Text1(i), f.controls().Text1(i).Text);
    for (int i = 0; i <= 4; ++i)
        consider(f.controls().Option1(i), f.controls().Option1(i).Caption);
    for (int i = 0; i <= 1; ++i)
        consider(f.controls().Command1(i), f.controls().Command1(i).Caption);
    for (int i = 0; i <= 2; ++i)
        consider(f.controls().Command2(i), f.controls().Command2(i).Caption);
    if (f.run().mode() == RunMode::Test)
        for (int q = 0; q < f.run().questionCount(); ++q)
            secret += f.run().question(q).explanation;
    QStringList result;
    for (const QString& s : secret)
        if (!s.isEmpty() && !shown.contains(s)) result.append(s);
    return result;
}

void ExpectNothingHiddenReadable(const VORN_Prazno& f, FormView& view, const char* moment) {
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
    VORN_Prazno& f = *run->form;
    FormView view(f);
    view.show();
    QApplication::processEvents();
    ExpectNothingHiddenReadable(f, view, "at start");

    test::AnswerRight(f); // the answer state of this position becomes "1"
    view.refresh();
    ExpectNothingHiddenReadable(f, view, "after a right answer");

    f.Command2_Click(0);
    view.refresh();
    ExpectNothingHiddenReadable(f, view, "in review");
}
