// Taking a test in the real window: clicks on the real widgets, from the first
// question to the review.

#include "shipped/shipped_bank.h"
#include "support/test_banks.h"
#include "view/form_view.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct Session {
    std::unique_ptr<test::Run> run;
    MainForm& form;
    FormView view;

    explicit Session(std::unique_ptr<test::Run> started)
        : run(std::move(started)), form(*run->form), view(form) {
        view.show();
        QApplication::processEvents();
    }
    template <typename W = QWidget> W* widget(const QString& name) const {
        return qobject_cast<W*>(view.widgetFor(name));
    }
    void click(const QString& name) {
        QWidget* w = widget(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        ASSERT_TRUE(w->isVisible()) << name.toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    void choose(int slot) { click(QStringLiteral("Option1(%1)").arg(slot)); }
    int visibleOptions() const {
        int n = 0;
        for (int i = 0; i <= 4; ++i)
            n += widget(QStringLiteral("Option1(%1)").arg(i))->isVisible();
        return n;
    }
    QColor background(const QString& name) const {
        return widget(name)->palette().color(QPalette::Window);
    }
};

std::vector<float> FixedSequence(int questions) {
    std::vector<float> values{0.5f}; // t = 5: a step that divides neither 4 nor 21
    for (int i = 0; i < questions; ++i)
        values.push_back(static_cast<float>((i * 37) % 100) / 100.0f);
    return values;
}

const QColor kPlainGreen(0, 255, 0);
const QColor kPlainRed(255, 0, 0);
const QColor kLightBlue(192, 192, 255);

} // namespace

TEST(TakingTheTest, ShippedTestFromFirstQuestionToReview) {
    const BankContent shipped = ShippedBank();
    const int n = static_cast<int>(shipped.questions.size()) + 1; // with the check question
    Session s(test::StartRun(shipped, FixedSequence(n)));
    ASSERT_EQ(s.form.attempt().questionCount(), n);

    // Answer forward: every third wrong, position 2 left out, the rest right.
    int right = 0;
    std::vector<int> chosen(static_cast<std::size_t>(n), -1);
    for (int p = 0; p < n; ++p) {
        ASSERT_EQ(s.form.attempt().currentPosition(), p);
        EXPECT_EQ(s.background("Picture1"), kPlainRed) << "position " << p << " not answered yet";
        const int key = test::KeySlot(s.form);
        if (p != 2) {
            const bool answerRight = p % 3 != 1 && key >= 0;
            const int slot = answerRight ? key : (key == 0 ? 1 : 0);
            s.choose(slot);
            chosen[static_cast<std::size_t>(p)] = slot;
            right += answerRight;
            EXPECT_TRUE(
                s.widget<QRadioButton>(QStringLiteral("Option1(%1)").arg(slot))->isChecked());
            EXPECT_EQ(s.background("Picture1"), kPlainGreen);
        }
        s.click("Command1(0)");
    }
    EXPECT_EQ(s.form.attempt().currentPosition(), n - 1) << "forward stops at the last question";
    EXPECT_EQ(s.widget<QLabel>("Label1(2)")->text(),
              QStringLiteral("Въведени отговори: %1/%2").arg(n - 1).arg(n));

    // Back to the start: every choice is shown again, nothing counted twice.
    for (int p = n - 1; p >= 0; --p) {
        const int slot = chosen[static_cast<std::size_t>(p)];
        for (int i = 0; i <= 4; ++i)
            EXPECT_EQ(s.widget<QRadioButton>(QStringLiteral("Option1(%1)").arg(i))->isChecked(),
                      i == slot)
                << "position " << p << ", button " << i;
        s.click("Command1(1)");
    }
    EXPECT_EQ(s.form.attempt().currentPosition(), 0);
    EXPECT_EQ(s.form.attempt().answeredCount(), n - 1);

    s.click("Command2(0)");
    const int percent = right * 100 / n;
    EXPECT_EQ(s.widget<QLabel>("Label1(1)")->text(),
              QStringLiteral("Резултат: %1/%2 = %3%").arg(right).arg(n).arg(percent));
    EXPECT_EQ(s.widget<QLabel>("Label1(3)")->text(), QStringLiteral("Частично!"));
    EXPECT_TRUE(s.widget("Label1(3)")->isVisible());
    EXPECT_FALSE(s.widget("Command1(0)")->isVisible());
    EXPECT_FALSE(s.widget("Command1(1)")->isVisible());
    EXPECT_FALSE(s.widget("Command2(1)")->isVisible()) << "the shipped navigation digit is 0";
    EXPECT_FALSE(s.widget("Command2(0)")->isEnabled());

    // Review of position 0, answered right: its button green, the indicator
    // green, the explanation of its question in the information box.
    const int key = test::KeySlot(s.form);
    ASSERT_EQ(chosen[0], key);
    for (int i = 0; i <= 4; ++i) {
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        EXPECT_FALSE(s.widget(name)->isEnabled());
        EXPECT_EQ(s.background(name), i == key ? kPlainGreen : kLightBlue) << name.toStdString();
    }
    EXPECT_EQ(s.background("Picture1"), kPlainGreen);
    const int q = s.form.attempt().currentQuestion();
    const QString explanation =
        shipped.questions[static_cast<std::size_t>(q == n - 1 ? 0 : q)].explanation.join(u'\n') +
        u'\n';
    EXPECT_EQ(s.widget<QPlainTextEdit>("Text1(0)")->toPlainText(), explanation);

    // The greyed grading button takes no more clicks.
    const QString result = s.widget<QLabel>("Label1(1)")->text();
    QTest::mouseClick(s.widget("Command2(0)"), Qt::LeftButton);
    EXPECT_EQ(s.widget<QLabel>("Label1(1)")->text(), result);
}

TEST(TakingTheTest, ReviewNavigationShowsWrongAndMissingAnswers) {
    auto content = test::MakeBank({.questions = 3});
    Session s(test::StartRun(content, {0.1f, 0.0f, 0.0f, 0.0f, 0.0f})); // step 3 over 4
    s.choose(2); // wrong: the key is option 1, in slot 0
    s.click("Command1(0)");
    s.click("Command2(0)");
    ASSERT_TRUE(s.widget("Command2(1)")->isVisible());
    EXPECT_EQ(s.background("Option1(2)"), kPlainRed);
    EXPECT_EQ(s.background("Option1(0)"), kPlainGreen);
    EXPECT_EQ(s.background("Picture1"), kPlainRed);
    s.click("Command2(1)");
    EXPECT_EQ(s.widget<QPlainTextEdit>("Text1(0)")->toPlainText(),
              QStringLiteral("Няма въведен отговор!"));
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(s.background(QStringLiteral("Option1(%1)").arg(i)), kLightBlue);
    s.click("Command2(2)");
    s.click("Command2(2)");
    EXPECT_EQ(s.form.attempt().currentPosition(), 0);
}

TEST(TakingTheTest, PhraseBankWithTwoThreeAndFiveOptions) {
    auto content =
        test::MakeBank({.questions = 3, .phrasePreview = true, .optionCounts = {2, 3, 5}});
    content.questions[0].text = QStringLiteral("Аз ___ у дома.");
    content.questions[1].text = QStringLiteral("Той е ___.");
    content.questions[2].text = QStringLiteral("___ пише писмо.");
    // Step 3 over 4 positions: questions 3 (the copy of 0), 2, 1, 0.
    Session s(test::StartRun(content, {0.1f, 0.0f, 0.004f, 0.005f, 0.0f}));
    ASSERT_TRUE(s.widget("Text2(6)")->isVisible());
    EXPECT_EQ(s.widget<QPlainTextEdit>("Text2(6)")->toPlainText(), QString());

    const struct {
        int options;
        int slot;
        const char* preview;
    } expected[] = {
        {2, 1, "Аз  1-2 у дома."},
        {5, 3, " 3-4 пише писмо."}, // order "12543" (row 5 of 120, from 0.005)
        {3, 1, "Той е  2-1 ."},     // order "312" (row 4 of 6, from 0.004)
        {2, 0, "Аз  1-1 у дома."},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(s.visibleOptions(), e.options);
        s.choose(e.slot);
        EXPECT_EQ(s.widget<QPlainTextEdit>("Text2(6)")->toPlainText(),
                  QString::fromUtf8(e.preview));
        s.click("Command1(0)");
    }
    s.click("Command1(1)"); // from the last position back to the one of question 1
    EXPECT_EQ(s.widget<QPlainTextEdit>("Text2(6)")->toPlainText(), QStringLiteral("Той е  2-1 ."))
        << "the restored choice brings its preview back";
    s.click("Command2(0)");
    EXPECT_EQ(s.widget<QLabel>("Label1(3)")->text(), QStringLiteral("Вероятно!"))
        << "question 1 answered 1-2 and 1-1";
}
