// How the design grows in a larger window: the factor is the largest at which
// the whole design fits, never below 1, and the design stands centred; a
// picture grows with it from its own pixels, sharp when enlarged.

#include "view/design_scale.h"
#include "view/picture_at_scale.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

const Twips kWidth = 10905, kHeight = 6945; // 727 × 463 pixels

} // namespace

TEST(DesignScale, TheLargestFactorAtWhichTheDesignFitsCentredAndNeverBelowOne) {
    // Expected by hand: the factor is the smaller of the two ratios of area
    // to design; the design's size at it, rounded, is centred.
    const struct {
        QSize area;
        double factor;
        QPoint origin;
        QSize design;
    } cases[] = {
        {{727, 463}, 1.0, {0, 0}, {727, 463}},
        {{1454, 926}, 2.0, {0, 0}, {1454, 926}},
        {{1280, 1001}, 1280.0 / 727, {0, 93}, {1280, 815}},   // 463 × 1.7607 = 815.2
        {{1000, 463}, 1.0, {136, 0}, {727, 463}},             // the height decides
        {{1920, 1055}, 1055.0 / 463, {131, 0}, {1657, 1055}}, // 727 × 2.2786 = 1656.6
        {{600, 400}, 1.0, {0, 0}, {727, 463}},                // smaller: from the corner
    };
    for (const auto& c : cases) {
        const DesignScale scale = DesignScale::Fitting(kWidth, kHeight, c.area);
        EXPECT_NEAR(scale.factor(), c.factor, 1e-9) << c.area.width() << " × " << c.area.height();
        EXPECT_EQ(scale.origin(), c.origin) << c.area.width() << " × " << c.area.height();
        EXPECT_EQ(QSize(scale.px(kWidth), scale.px(kHeight)), c.design)
            << c.area.width() << " × " << c.area.height();
    }
}

namespace {

QImage CheckerImage(int width, int height) { // one-pixel black and white squares
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

const QSize kArea(225, 137); // the picture area at the design's size

} // namespace

TEST(PictureAtScale, APictureGrowsWithTheDesignAndALargeOneStillFitsWhole) {
    const double f = 1280.0 / 727;
    const QSize grownArea(396, 241); // 225 × f, 137 × f
    // Sizes by hand; Qt keeps a shape by whole pixels, cutting the fraction.
    const struct {
        QSize picture;
        double factor;
        QSize area;
        QSize shown;
    } cases[] = {
        {{20, 10}, 1.0, kArea, {20, 10}},        {{20, 10}, f, grownArea, {35, 18}}, // 35.2, 17.6
        {{225, 137}, f, grownArea, {396, 241}},  // fits exactly, grows to the area
        {{1200, 900}, 1.0, kArea, {182, 137}},   // 137 × 4 / 3 = 182.7
        {{1200, 900}, f, grownArea, {321, 241}}, // 241 × 4 / 3 = 321.3
        {{300, 50}, f, grownArea, {396, 66}},    // 396 / 6
        {{300, 50}, 2.0, {450, 274}, {450, 75}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PictureAtScale(CheckerImage(c.picture.width(), c.picture.height()), kArea, c.area,
                                 c.factor)
                      .size(),
                  c.shown)
            << c.picture.width() << " × " << c.picture.height() << " at " << c.factor;
}

TEST(PictureAtScale, EnlargedPixelByPixelAndMadeSmallerFromTheOriginal) {
    const double f = 1280.0 / 727;
    // Enlarged: only the picture's own two colours, none blended between.
    const QImage grown = PictureAtScale(CheckerImage(20, 10), kArea, {396, 241}, f);
    QSet<QRgb> colours;
    for (int y = 0; y < grown.height(); ++y)
        for (int x = 0; x < grown.width(); ++x)
            colours.insert(grown.pixel(x, y) | 0xff000000u);
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));

    // Lines one pixel apart, 450 wide: at the design's size they average out
    // to grey (225 wide); grown from the original (396 wide) they still show.
    // Grown from the design-size rendering they would stay grey.
    QImage lines(450, 40, QImage::Format_RGB32);
    for (int x = 0; x < lines.width(); ++x)
        for (int y = 0; y < lines.height(); ++y)
            lines.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const auto spread = [](const QImage& image) {
        int darkest = 255, lightest = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, image.height() / 2));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
        return lightest - darkest;
    };
    EXPECT_LT(spread(PictureAtScale(lines, kArea, kArea, 1.0)), 40) << "grey at the design's size";
    EXPECT_GT(spread(PictureAtScale(lines, kArea, {396, 241}, f)), 120) << "lines when grown";
}
