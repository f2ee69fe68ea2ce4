// The picture opened large (--large-pictures): the fit to the screen, opening
// and closing by mouse and keys in test and review modes, the clock going on
// meanwhile, and the picture drawn from its own pixels.

#include "bank/bank_pictures.h"
#include "platform/picture_fit.h"
#include "support/pictures.h"
#include "support/shown_view.h"
#include "view/enlarged_picture.h"
#include "view/exam_clock.h"
#include "view/picture_area.h"
#include "view/picture_opener.h"

#include <QBuffer>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// One-pixel columns, black and white: any blending turns them grey.
QByteArray Columns(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            image.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

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
    PictureOpener* opener;
    QWidget* area;
};

// The next control Tab reaches, visible or not.
QWidget* NextTabStop(QWidget* from) {
    for (QWidget* next = from->nextInFocusChain(); next != from; next = next->nextInFocusChain())
        if (next->focusPolicy() & Qt::TabFocus && !next->objectName().isEmpty()) return next;
    return nullptr;
}

bool Closed(const QPointer<EnlargedPicture>& shown) {
    return QTest::qWaitFor([&] { return shown.isNull(); }, 2000);
}

} // namespace

// Caught: a small picture not enlarged, a blurred enlargement of a small one,
// a large one shown beyond the screen, or the shape not kept. Expected sizes
// worked out by hand.
TEST(EnlargedPicture, FitsTheScreenGrowingByWholeFactorsAndShrinkingSmoothly) {
    const struct {
        QSize picture, screen, expected;
        bool smooth;
    } cases[] = {
        {{225, 137}, {1280, 1024}, {1125, 685}, false}, // 5 = min(1280/225, 1024/137)
        {{1200, 900}, {1280, 1024}, {1200, 900}, false},
        {{1280, 1024}, {1280, 1024}, {1280, 1024}, false},
        {{4000, 1000}, {1280, 1024}, {1280, 320}, true},
        {{1000, 3000}, {1280, 1024}, {341, 1024}, true}, // 1024 × 1000 / 3000, cut down
        {{1, 1}, {800, 600}, {600, 600}, false},
    };
    for (const auto& c : cases) {
        const EnlargedFit fit = EnlargedPictureFit(c.picture, c.screen);
        EXPECT_EQ(fit.size, c.expected) << c.picture.width() << "×" << c.picture.height();
        EXPECT_EQ(fit.smooth, c.smooth) << c.picture.width() << "×" << c.picture.height();
    }
}

// Caught: the area not reachable by Tab or in the wrong place, keys or a click
// that do not open it, a view that does not close by each of its keys, or one
// that works only before grading.
TEST(EnlargedPicture, OpensByClickEnterOrSpaceAndClosesByEscEnterOrClickInBothModes) {
    LargePictures s;
    EXPECT_EQ(NextTabStop(s.widget("Text2(5)")), s.area) << "the design's place";
    EXPECT_EQ(NextTabStop(s.area), s.widget("Option1(4)"));
    EXPECT_EQ(s.area->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(s.area->accessibleDescription(),
              QStringLiteral("Щракване, Enter или интервал я отваря в голям размер."));
    enum class Act { Click, Enter, Space, Esc };
    const auto act = [&](QWidget* target, Act how) {
        if (how == Act::Click) QTest::mouseClick(target, Qt::LeftButton);
        if (how == Act::Enter) QTest::keyClick(target, Qt::Key_Return);
        if (how == Act::Space) QTest::keyClick(target, Qt::Key_Space);
        if (how == Act::Esc) QTest::keyClick(target, Qt::Key_Escape);
    };
    const struct {
        Act open, close;
        bool review;
    } cases[] = {
        {Act::Click, Act::Esc, false},   {Act::Enter, Act::Click, false},
        {Act::Space, Act::Enter, false}, {Act::Click, Act::Esc, true},
        {Act::Enter, Act::Enter, true},
    };
    for (const auto& c : cases) {
        if (c.review && s.form.attempt().mode() != RunMode::Review)
            s.form.grade(), s.view.refresh();
        s.area->setFocus(Qt::TabFocusReason);
        act(s.area, c.open);
        const QPointer<EnlargedPicture> shown = s.opener->opened();
        ASSERT_FALSE(shown.isNull()) << static_cast<int>(c.open) << " review " << c.review;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(shown.data()));
        EXPECT_EQ(QApplication::activeModalWidget(), shown.data());
        act(shown.data(), c.close);
        EXPECT_TRUE(Closed(shown)) << static_cast<int>(c.close) << " review " << c.review;
    }
    EXPECT_EQ(s.form.attempt().mode(), RunMode::Review);
}

// Caught: a modal that holds the test's clock (a nested loop that blocks it,
// or a clock stopped while the view is open), or a view left over the result.
TEST(EnlargedPicture, TheClockGoesOnWhileThePictureIsOpen) {
    LargePictures s;
    ExamClock clock(s.form, s.view, 1);
    clock.start();
    QTest::mouseClick(s.area, Qt::LeftButton);
    const QPointer<EnlargedPicture> shown = s.opener->opened();
    ASSERT_FALSE(shown.isNull());
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.form.attempt().mode() == RunMode::Review; }, 5000));
    EXPECT_TRUE(clock.ranOut());
    EXPECT_TRUE(Closed(shown)) << "the end of the time closes it, as any open question";
}

// Caught: the large view drawn from the area's shrunk copy (its columns
// blended grey) instead of the picture's own pixels, or a picture that does
// not decode opening an empty view where the area shows nothing.
TEST(EnlargedPicture, IsDrawnFromThePicturesOwnPixelsAndAPictureThatDoesNotDecodeOpensNothing) {
    LargePictures s(Columns(450, 274)); // twice the area: the area shows it shrunk
    QTest::mouseClick(s.area, Qt::LeftButton);
    const QPointer<EnlargedPicture> shown = s.opener->opened();
    ASSERT_FALSE(shown.isNull());
    const QImage drawn = shown->grab().toImage();
    const int factor = drawn.width() / 450;
    ASSERT_GE(factor, 1);
    EXPECT_EQ(drawn.size(), QSize(450, 274) * factor);
    for (int x = 0; x < 4 * factor; ++x)
        EXPECT_EQ(QColor(drawn.pixel(x, 10)),
                  (x / factor) % 2 ? QColor(Qt::white) : QColor(Qt::black))
            << x;
    QTest::keyClick(shown.data(), Qt::Key_Escape);
    EXPECT_TRUE(Closed(shown));

    LargePictures broken(QByteArray("\x89PNG\r\n\x1a\n", 8)); // a signature, no more
    EXPECT_TRUE(static_cast<PictureArea*>(broken.area)->pixmap().isNull());
    QTest::mouseClick(broken.area, Qt::LeftButton);
    broken.area->setFocus(Qt::TabFocusReason);
    QTest::keyClick(broken.area, Qt::Key_Return);
    EXPECT_EQ(broken.opener->opened(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
