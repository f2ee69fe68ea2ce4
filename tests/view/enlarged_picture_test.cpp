// The picture opened large (--large-pictures): the fit to the screen, opening
// and closing by mouse and keys in both modes, the clock going on meanwhile,
// and the picture drawn from its own pixels.

#include "platform/picture_fit.h"
#include "shipped/shipped_picture_files.h"
#include "support/pictures.h"
#include "support/shown_view.h"
#include "view/enlarged_picture.h"
#include "view/exam_clock.h"
#include "view/picture_area.h"
#include "view/picture_opener.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

BankContent WithPictures(const QByteArray& encoded) {
    BankContent bank = test::MakeBank({.questions = 5, .check = CheckMode::Off});
    for (Question& question : bank.questions)
        question.picture = MakePicture(encoded);
    return bank;
}

struct LargePictures : test::ShownView {
    explicit LargePictures(const QByteArray& encoded = test::EncodedImage(300, 200))
        : ShownView(WithPictures(encoded)), opener(view.letPicturesOpenLarge()),
          area(widget("Picture2")) {}
    // Opens the view by a click or a key on the area.
    QPointer<EnlargedPicture> open(int key = 0) {
        area->setFocus(Qt::TabFocusReason);
        key ? QTest::keyClick(area, Qt::Key(key)) : QTest::mouseClick(area, Qt::LeftButton);
        return opener->opened();
    }
    PictureOpener* opener;
    QWidget* area;
};

QWidget* NextTabStop(QWidget* from) {
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus && !next->objectName().isEmpty()) return next;
    return nullptr;
}

bool Closed(const QPointer<EnlargedPicture>& shown) {
    return QTest::qWaitFor([&] { return shown.isNull(); }, 2000);
}

} // namespace

// Caught: a small picture not enlarged or blurred, a large one beyond the
// screen, the shape not kept. Sizes worked out by hand.
TEST(EnlargedPicture, FitsTheScreenGrowingByWholeFactorsAndShrinkingSmoothly) {
    const struct {
        QSize picture, screen, expected;
        bool smooth;
    } cases[] = {
        {{225, 137}, {1280, 1024}, {1125, 685}, false}, // 5 = min(1280/225, 1024/137)
        {{1200, 900}, {1280, 1024}, {1200, 900}, false},
        {{4000, 1000}, {1280, 1024}, {1280, 320}, true},
        {{1000, 3000}, {1280, 1024}, {341, 1024}, true}, // 1024 × 1000 / 3000, cut down
        {{1, 1}, {800, 600}, {600, 600}, false},
    };
    for (const auto& c : cases) {
        const EnlargedFit fit = EnlargedPictureFit(c.picture, c.screen);
        EXPECT_EQ(std::pair(fit.size, fit.smooth), std::pair(c.expected, c.smooth))
            << c.picture.width() << "×" << c.picture.height();
    }
}

// Caught: the area not a tab stop or out of the design's place, a key or a
// click that does not open or close it, a view that works only before grading.
TEST(EnlargedPicture, OpensByClickEnterOrSpaceAndClosesByEscEnterOrClickInBothModes) {
    LargePictures s;
    EXPECT_EQ(NextTabStop(s.widget("Text2(5)")), s.area);
    EXPECT_EQ(NextTabStop(s.area), s.widget("Option1(4)"));
    EXPECT_EQ(s.area->accessibleDescription(), OpensLargeDescription());
    const struct {
        int open, close; // a key, or 0 for a click
        bool review;
    } cases[] = {
        {0, Qt::Key_Escape, false},
        {Qt::Key_Return, 0, false},
        {Qt::Key_Space, Qt::Key_Enter, false},
        {0, Qt::Key_Escape, true},
        {Qt::Key_Return, Qt::Key_Return, true},
    };
    for (const auto& c : cases) {
        if (c.review && s.form.attempt().mode() == RunMode::Test) s.form.grade();
        s.view.refresh();
        const QPointer<EnlargedPicture> shown = s.open(c.open);
        ASSERT_FALSE(shown.isNull()) << c.open << " review " << c.review;
        EXPECT_EQ(QApplication::activeModalWidget(), shown.data());
        c.close ? QTest::keyClick(shown.data(), Qt::Key(c.close))
                : QTest::mouseClick(shown.data(), Qt::LeftButton);
        EXPECT_TRUE(Closed(shown)) << c.close << " review " << c.review;
    }
    EXPECT_EQ(s.form.attempt().mode(), RunMode::Review);
}

// Caught: a modal that holds the test's clock (a nested loop that blocks it,
// or a clock stopped meanwhile), or a view left over the result.
TEST(EnlargedPicture, TheClockGoesOnWhileThePictureIsOpen) {
    LargePictures s;
    ExamClock clock(s.form, s.view, 1);
    clock.start();
    const QPointer<EnlargedPicture> shown = s.open();
    ASSERT_FALSE(shown.isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.form.attempt().mode() == RunMode::Review; }, 5000));
    EXPECT_TRUE(clock.ranOut());
    EXPECT_TRUE(Closed(shown)) << "the end of the time closes it, as any open question";
}

// Caught: the view drawn from the area's shrunk copy (its one-pixel columns
// blended grey), or a picture that does not decode opening an empty view.
TEST(EnlargedPicture, IsDrawnFromThePicturesOwnPixelsAndAPictureThatDoesNotDecodeOpensNothing) {
    LargePictures s(test::PaintedPng( // twice the area: the area shows it shrunk
        450, 274, [](int x, int) { return x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }));
    const QPointer<EnlargedPicture> shown = s.open();
    ASSERT_FALSE(shown.isNull());
    const QImage drawn = shown->grab().toImage();
    const int factor = std::max(1, drawn.width() / 450);
    EXPECT_EQ(drawn.size(), QSize(450, 274) * factor);
    for (int x = 0; x < 4 * factor; ++x)
        EXPECT_EQ(QColor(drawn.pixel(x, 10)),
                  (x / factor) % 2 ? QColor(Qt::white) : QColor(Qt::black))
            << x;
    QTest::keyClick(shown.data(), Qt::Key_Escape);
    EXPECT_TRUE(Closed(shown));

    LargePictures broken(QByteArray("\x89PNG\r\n\x1a\n", 8)); // a signature, no more
    EXPECT_TRUE(static_cast<PictureArea*>(broken.area)->pixmap().isNull());
    EXPECT_EQ(broken.open(), nullptr);
    EXPECT_EQ(broken.open(Qt::Key_Return), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Kept for people to look at: the shipped test's first figure, opened large.
    QFile figure(":/assets/pictures/" + ShippedPictureFiles().front().name);
    ASSERT_TRUE(figure.open(QIODevice::ReadOnly));
    LargePictures shipped(figure.readAll());
    const QPointer<EnlargedPicture> large = shipped.open();
    ASSERT_FALSE(large.isNull());
    QDir().mkpath(VORN_ARTIFACTS_DIR);
    EXPECT_TRUE(large->grab().save(VORN_ARTIFACTS_DIR "/enlarged-picture.png"));
    QTest::keyClick(large.data(), Qt::Key_Escape);
    EXPECT_TRUE(Closed(large));
}
