// The built player under a real X server (Xvfb), used from outside as a
// person would: xdotool clicks on the window, xwd screenshots are read for
// colours, and a close request ends it. Places are the design's twips
// (15 to a pixel) from the top left of the client area, which is found from
// the window's geometry.

#include "player_window.h"

#include <QHash>
#include <gtest/gtest.h>

#include <memory>

using namespace vorn::x11;

namespace {

// Generous: under the sanitizers on a busy machine the player starts slowly;
// every wait polls, so a pass takes no longer for it.
const milliseconds kLimit(30000);

struct TwipsRect {
    int left, top, width, height;
    QPoint centre() const { return {left + width / 2, top + height / 2}; }
};

constexpr TwipsRect kIndicator{2400, 2880, 6135, 200};   // Picture1
constexpr TwipsRect kForward{240, 120, 1575, 285};       // Command1(0)
constexpr TwipsRect kGrade{120, 4400, 1575, 285};        // Command2(0)
constexpr TwipsRect kReviewForward{360, 120, 1575, 285}; // Command2(1)
constexpr int kFrameLeft = 120, kFrameTop = 2400;        // Frame1
constexpr int kOptionLefts[] = {360, 2760, 5280, 7800, 9960};
constexpr int kPositionBarTop = 3700, kBarHeight = 255; // Shape1

// Option1(i): the part every button has, the narrowest being 600 twips wide.
TwipsRect Option(int i) {
    return {kFrameLeft + kOptionLefts[i], kFrameTop + 120, 600, 285};
}
// A strip of Frame1 left of the first button.
constexpr TwipsRect kFrameStrip{kFrameLeft + 30, kFrameTop + 120, 200, 285};

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kCyan(0, 255, 255), kLightBlue(192, 192, 255);

// The colour most pixels of the rectangle have, two pixels in from its edges
// so that a pixel of misplacement does not matter.
QColor ColourOf(const QImage& shot, const TwipsRect& r) {
    const QRect px = QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height)).adjusted(2, 2, -2, -2);
    QHash<QRgb, int> counts;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb most = 0;
    int mostCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    return QColor(most);
}

// Where the position bar turns from green (passed) to cyan, in pixels; -1
// when there is no such place.
int PositionBoundary(const QImage& shot) {
    const int y = Px(kPositionBarTop + kBarHeight / 2);
    for (int x = 1; x < shot.width(); ++x)
        if (QColor(shot.pixel(x - 1, y)) == kGreen && QColor(shot.pixel(x, y)) == kCyan) return x;
    return -1;
}

class RealWindow : public testing::Test {
protected:
    // With this seed the two answers of the review test get different
    // verdicts, so that both colours are seen.
    void SetUp() override {
        ASSERT_FALSE(server_.display().isEmpty()) << server_.error().toStdString();
        player_ = std::make_unique<PlayerWindow>(
            server_,
            QStringList{"--bank", VORN_EXAMPLES_DIR "/english-tenses.gift", "--seed", "3"});
        ASSERT_TRUE(player_->waitForWindow(kLimit)) << player_->error().toStdString();
        ASSERT_TRUE(waitForScreen([](const QImage& s) { return ColourOf(s, kIndicator) == kRed; }))
            << "the first frame: not answered";
    }

    // Takes screenshots until one `shows` what is awaited; the last one stays in shot_.
    bool waitForScreen(const std::function<bool(const QImage&)>& shows) {
        return PollUntil(
            [&] {
                shot_ = player_->screenshot();
                return !shot_.isNull() && shows(shot_);
            },
            kLimit);
    }
    void click(QPoint twips) {
        ASSERT_TRUE(player_->click(twips)) << player_->error().toStdString();
    }
    void answer(int option) {
        click(Option(option).centre());
        ASSERT_TRUE(
            waitForScreen([](const QImage& s) { return ColourOf(s, kIndicator) == kGreen; }));
    }
    void moveForward(const TwipsRect& button) {
        const int before = PositionBoundary(shot_);
        click(button.centre());
        ASSERT_TRUE(waitForScreen([&](const QImage& s) { return PositionBoundary(s) > before; }));
    }

    // In review the chosen option is green when right and red when wrong, the
    // right one is green, every other shown option light blue, and the
    // indicator green only for a right answer.
    void expectReviewOf(int chosen) {
        const QColor frame = ColourOf(shot_, kFrameStrip);
        const QColor mine = ColourOf(shot_, Option(chosen));
        int greens = 0, shown = 0;
        for (int i = 0; i < 5; ++i) {
            const QColor c = ColourOf(shot_, Option(i));
            shown += c != frame;
            greens += c == kGreen;
            if (i != chosen) {
                EXPECT_TRUE(c == kGreen || c == kLightBlue || c == frame)
                    << "option " << i << ": " << c.name().toStdString();
            }
        }
        EXPECT_GE(shown, 2);
        EXPECT_TRUE(mine == kGreen || mine == kRed) << mine.name().toStdString();
        EXPECT_EQ(greens, 1) << "the right option, chosen or not";
        EXPECT_EQ(ColourOf(shot_, kIndicator) == kGreen, mine == kGreen);
    }

    XServer server_;
    std::unique_ptr<PlayerWindow> player_;
    QImage shot_;
};

} // namespace

TEST_F(RealWindow, AnAnswerTurnsTheIndicatorFromRedToGreen) {
    ASSERT_NO_FATAL_FAILURE(click(Option(0).centre()));
    EXPECT_TRUE(waitForScreen([](const QImage& s) { return ColourOf(s, kIndicator) == kGreen; }))
        << ColourOf(shot_, kIndicator).name().toStdString();
}

TEST_F(RealWindow, ForwardMovesThePositionBarBoundaryRight) {
    const int before = PositionBoundary(shot_);
    ASSERT_GT(before, 0);
    ASSERT_NO_FATAL_FAILURE(click(kForward.centre()));
    EXPECT_TRUE(waitForScreen([&](const QImage& s) { return PositionBoundary(s) > before; }))
        << before << " then " << PositionBoundary(shot_);
}

TEST_F(RealWindow, ReviewShowsEachChosenOptionByItsVerdict) {
    ASSERT_NO_FATAL_FAILURE(answer(0));
    ASSERT_NO_FATAL_FAILURE(moveForward(kForward));
    ASSERT_NO_FATAL_FAILURE(answer(1));
    ASSERT_NO_FATAL_FAILURE(click(kGrade.centre()));
    ASSERT_TRUE(waitForScreen([](const QImage& s) {
        for (int i = 0; i < 5; ++i)
            if (const QColor c = ColourOf(s, Option(i)); c == kRed || c == kLightBlue) return true;
        return false;
    })) << "no review after grading";
    expectReviewOf(0);
    ASSERT_NO_FATAL_FAILURE(moveForward(kReviewForward));
    expectReviewOf(1);
}

TEST_F(RealWindow, ACloseRequestEndsThePlayerWithStatusZeroAndNothingLeft) {
    ASSERT_TRUE(player_->requestClose()) << player_->error().toStdString();
    EXPECT_EQ(player_->waitForExit(kLimit), 0) << player_->error().toStdString();
    EXPECT_FALSE(player_->anyProcessLeft());
}
