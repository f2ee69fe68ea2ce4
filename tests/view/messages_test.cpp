// A message that quotes a bank or a file name shows it as it is: no markup is
// rendered (an <img> would read a file, a link would open it), and standard
// error gets one line with nothing a terminal acts on.

#include "support/captured_stderr.h"
#include "view/messages.h"

#include <QMessageBox>
#include <QWidget>
#include <gtest/gtest.h>

using namespace vorn;

TEST(Messages, TextFromDataIsShownAsPlainTextOnOneSafeLine) {
    const QString text =
        QStringLiteral("Тестът не може да започне: <img src=\"/dev/zero\">.png\n<a "
                       "href=\"file:///etc\">\x1b[2Jтук</a>");
    QWidget parent;
    test::CapturedStandardError err;
    ShowWarning(&parent, QStringLiteral("Заглавие"), text);
    const auto* box = parent.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->text(), text);
    // The first line: the toolkit may add its own after it.
    EXPECT_EQ(err.text().split(u'\n').first().toStdString(),
              "vorn-player: Тестът не може да започне: <img src=\"/dev/zero\">.png "
              "<a href=\"file:///etc\">\\x1b[2Jтук</a>");
}
