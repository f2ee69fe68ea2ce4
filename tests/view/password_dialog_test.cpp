// The password window of a locked bank, as a person meets it: the password
// typed hidden and Enter; each wrong one told in the window before the next
// try, and after the third the bank is refused without a fourth window.

#include "bank/bank_bundle.h"
#include "bank/locked_bank.h"
#include "support/test_banks.h"
#include "support/typed_text.h"
#include "view/password_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorn;

// The faults: the password shown as typed, a wrong one not told in the
// window, the tries not counted (a fourth window), Enter not going on.
TEST(PasswordDialog, ThreeWrongPasswordsAreEachToldInTheWindowThenTheBankIsRefused) {
    BankContent bank = test::MakeBank({.questions = 3});
    for (Question& question : bank.questions)
        question.picture = nullptr; // the test's stand-ins are no pictures to open
    const QByteArray locked =
        LockBank(BundleBank(bank), SecretBytes::FromPassword("звезда-42"), {1, 1024});
    const std::vector<QString> wrongTwice{"", "Паролата не е вярна. Остават още 2 опита.",
                                          "Паролата не е вярна. Остава още един опит."};
    const struct {
        std::vector<QString> typed;
        std::vector<QString> shown; // the problem each window showed
    } cases[] = {
        {{"звезда-41", "звезда-43", "звезда-44"}, wrongTwice},
        {{"звезда-41", "звезда-42"}, {wrongTwice[0], wrongTwice[1]}},
    };
    for (const auto& c : cases) {
        std::vector<QString> shown;
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "password-dialog" || !dialog->isVisible())
                return;
            auto* field = dialog->findChild<QLineEdit*>("password");
            auto* problem = dialog->findChild<QLabel*>("problem");
            ASSERT_TRUE(field && problem);
            shown.push_back(problem->isVisibleTo(dialog) ? problem->text() : QString());
            const QString typed = shown.size() <= c.typed.size() ? c.typed[shown.size() - 1]
                                                                 : QStringLiteral("лишен");
            test::TypeText(field, typed);
            EXPECT_EQ(field->text(), typed);
            EXPECT_FALSE(field->displayText().contains(typed.left(3))) << "shown as typed";
            QTest::keyClick(field, Qt::Key_Return);
        });
        typist.start(0);
        const LoadedBank read = OpenLockedBank(locked, AskPasswordInWindow());
        typist.stop();
        EXPECT_EQ(shown, c.shown);
        const bool opens = c.typed.back() == "звезда-42";
        EXPECT_EQ(std::tuple(read.hasErrors(), read.content.questions.size()),
                  std::tuple(!opens, opens ? 3u : 0u));
    }
}
