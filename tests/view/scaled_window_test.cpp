// On a dense screen (QT_SCALE_FACTOR=2) the window is twice as large with
// every control in its place, and pictures are drawn twice as large without
// blurring. The scale is fixed when the application starts, so the test runs
// itself again with the factor set.

#include "support/test_banks.h"
#include "view/form_view.h"

#include "support/private_environment.h"
#include <QApplication>

#include <QBuffer>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace vorn;

TEST(ScaledWindow, TwiceAsLargeWithEveryControlInItsPlace) {
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QLatin1String("2")) {
        QProcess child;
        QProcessEnvironment env = vorn::test::PrivateEnvironment();
        env.insert("QT_SCALE_FACTOR", "2");
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ScaledWindow.TwiceAsLargeWithEveryControlInItsPlace"});
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
        return;
    }
    // Step 3 with 5 questions: position 0 shows question 4.
    BankContent bank = test::MakeBank({.questions = 5, .check = CheckMode::Off});
    QImage checker(20, 10, QImage::Format_RGB32); // one-pixel black and white squares
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    checker.save(&buffer, "PNG");
    bank.questions[3].picture = MakePicture(png);
    const auto run = test::StartRun(bank, test::StepThenIdentity(0.3f, 5));
    FormView view(*run->form);
    view.show();
    QApplication::processEvents();

    const QImage frame = view.canvas()->grab().toImage();
    EXPECT_EQ(frame.devicePixelRatio(), 2.0);
    EXPECT_EQ(frame.size(), QSize(1454, 926)) << "727 x 463, twice";
    EXPECT_EQ(view.widgetFor("Option1(4)")->geometry(), QRect(664, 8, 40, 19)) << "same places";
    EXPECT_EQ(view.widgetFor("Text2(5)")->geometry(), QRect(688, 88, 36, 67));
    EXPECT_EQ(QColor(frame.pixel(2 * 300, 2 * 197)), QColor(255, 0, 0)) << "the indicator";

    // The picture: 40 x 20 device pixels of the same two colours, none between.
    const QPoint corner = view.widgetFor("Picture2")->mapTo(view.canvas(), QPoint(0, 0)) * 2;
    QSet<QRgb> colours;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            colours.insert(frame.pixel(corner + QPoint(x, y)));
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)})) << "sharp, not blurred";
    EXPECT_NE(frame.pixel(corner), frame.pixel(corner + QPoint(2, 0))) << "each pixel drawn 2 x 2";
    EXPECT_EQ(frame.pixel(corner), frame.pixel(corner + QPoint(1, 1)));
}
