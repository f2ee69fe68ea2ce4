// The sizable window at full screen on a 1280 × 1024 screen: the design grows
// by one factor, 1280 / 727 (the width decides), centred below the menu bar.
// Every control stands at its design rectangle times that factor, its font
// grows by the same factor and no caption is cut; the picture grows sharp. A
// screenshot stays in artifacts/scaled-window.png. The offscreen screen takes
// its size from a file when the application starts, so the test runs itself
// again with one.

#include "support/each_control.h"
#include "support/private_environment.h"
#include "support/test_banks.h"
#include "view/form_view.h"
#include "view/painted_buttons.h"
#include "view/picture_area.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const QSize kScreen(1280, 1024);
const double kFactor = 1280.0 / 727;

// Runs this test again in a process whose offscreen screen is 1280 × 1024.
void RunOnALabScreen(const char* test) {
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [{"name": "lab", "x": 0, "y": 0, "width": 1280,
                     "height": 1024, "logicalDpi": 96, "dpr": 1}]})");
    config.close();
    QProcess child;
    QProcessEnvironment env = test::PrivateEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + test});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}

QByteArray Png(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// The design rectangle of a control in pixels at the factor, from the design's
// corner: the option buttons are placed inside their frame.
QRectF Grown(const Control& c, const FormControls& f) {
    const bool inFrame = c.Name.startsWith(QStringLiteral("Option1"));
    const double left = c.Left + (inFrame ? f.options.frame.Left : 0);
    const double top = c.Top + (inFrame ? f.options.frame.Top : 0);
    const double scale = kFactor / kTwipsPerPixel;
    return QRectF(left * scale, top * scale, c.Width * scale, c.Height * scale);
}

// Where the caption's text may go: a button and a label centre it or start
// it at the left, an option button after its mark.
int RoomForText(const QWidget* w) {
    if (const auto* option = dynamic_cast<const FlatOptionButton*>(w))
        return w->width() - option->markRect().right() - 5;
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->contentsRect().width();
    return w->width();
}

QString TextOf(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    return {};
}

} // namespace

TEST(FullScreen, EveryControlGrowsByOneFactorCentredWithItsCaptionWhole) {
    if (QGuiApplication::primaryScreen()->size() != kScreen)
        return RunOnALabScreen("FullScreen.EveryControlGrowsByOneFactorCentredWithItsCaptionWhole");

    // Step 3 with 5 questions: position 0 shows question 4, with the picture.
    BankContent bank = test::MakeBank({.questions = 5, .check = CheckMode::Off});
    QImage checker(20, 10, QImage::Format_RGB32); // one-pixel black and white squares
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    bank.questions[3].picture = MakePicture(Png(checker));
    const auto run = test::StartRun(bank, test::StepThenIdentity(0.3f, 5));
    FormView view(*run->form, WindowSize::Sizable);
    view.showFullScreen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.size() == kScreen; }, 5000));
    QApplication::processEvents();

    QWidget* canvas = view.canvas();
    ASSERT_EQ(canvas->size(), QSize(1280, 1024 - view.menuBar()->height()));
    EXPECT_NEAR(view.scale().factor(), kFactor, 1e-9);
    // Centred: the same margin of background above and below the design.
    const double margin = (canvas->height() - 463 * kFactor) / 2;
    const FormControls& f = run->form->controls();
    test::EachControl(f, [&](const Control& c) {
        const QWidget* w = view.widgetFor(c.Name);
        ASSERT_NE(w, nullptr) << c.Name.toStdString();
        const QRect shown(w->mapTo(canvas, QPoint(0, 0)), w->size());
        const QRectF wanted = Grown(c, f).translated(0, margin);
        EXPECT_NEAR(shown.x(), wanted.x(), 1.0) << c.Name.toStdString();
        EXPECT_NEAR(shown.y(), wanted.y(), 1.0) << c.Name.toStdString();
        EXPECT_NEAR(shown.width(), wanted.width(), 1.0) << c.Name.toStdString();
        EXPECT_NEAR(shown.height(), wanted.height(), 1.0) << c.Name.toStdString();
        if (!c.Visible || TextOf(w).isEmpty()) return;
        EXPECT_NEAR(w->font().pointSizeF(), 12 * kFactor, 0.01) << c.Name.toStdString();
        const QFontMetrics metrics(w->font());
        EXPECT_LE(metrics.horizontalAdvance(TextOf(w)), RoomForText(w)) << c.Name.toStdString();
        EXPECT_LE(metrics.height(), w->height()) << c.Name.toStdString();
    });
    const auto* mark = dynamic_cast<FlatOptionButton*>(view.widgetFor("Option1(0)"));
    EXPECT_NEAR(mark->markRect().height(), 13 * kFactor, 1.0) << "the round mark grows too";

    // The picture, 20 × 10, grows to 35 × 18 in its two colours only.
    const QImage frame = view.grab().toImage();
    const auto* picture = dynamic_cast<PictureArea*>(view.widgetFor("Picture2"));
    EXPECT_EQ(picture->pixmap().size(), QSize(35, 18));
    const QPoint corner = picture->mapTo(&view, QPoint(0, 0));
    QSet<QRgb> colours;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 35; ++x)
            colours.insert(frame.pixel(corner + QPoint(x, y)));
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)})) << "sharp";
    // The window's background above and below the design.
    EXPECT_EQ(QColor(frame.pixel(640, view.menuBar()->height() + 2)), QColor(192, 192, 255));
    EXPECT_EQ(QColor(frame.pixel(640, 1021)), QColor(192, 192, 255));

    QDir().mkpath(VORN_ARTIFACTS_DIR);
    EXPECT_TRUE(frame.save(VORN_ARTIFACTS_DIR "/scaled-window.png"));
}
