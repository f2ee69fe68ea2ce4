// The built player under a real X server (Xvfb), used from outside as a
// person would: xdotool clicks on the window, xwd screenshots are read for
// colours, and a close request ends it. Places are the design's twips
// (15 to a pixel) from the top left of the client area, which is found from
// the window's geometry.

#include "player_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
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

namespace {

// The option whose button looks different in `after` than in `before` (its
// radio mark); -1 when none or more than one does.
int ChangedOption(const QImage& before, const QImage& after) {
    int changed = -1;
    for (int i = 0; i < 5; ++i) {
        const TwipsRect r = Option(i);
        const QRect px(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
        if (before.copy(px) == after.copy(px)) continue;
        if (changed >= 0) return -1;
        changed = i;
    }
    return changed;
}

} // namespace

// With a Bulgarian layout a key chooses the button whose letter it shows: "в"
// looks like B and chooses B (not C, the third letter of the alphabet), the
// key that sits where B is on the keyboard chooses B whatever it types, and
// the digits stay.
TEST(RealWindowKeys, BulgarianLayoutsChooseTheButtonWhoseLetterTheKeyShows) {
    QTemporaryDir dir;
    const QString bank = dir.filePath(QStringLiteral("four.gift"));
    QFile file(bank);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int q = 1; q <= 6; ++q)
        file.write(QStringLiteral("Въпрос %1 {=а%1 ~б%1 ~в%1 ~г%1}\n\n").arg(q).toUtf8());
    file.close();
    const struct {
        const char* tool;
        QStringList arguments;
        int option;
    } keys[] = {
        {"xdotool", {"key", "Cyrillic_ve"}, 1}, {VORN_PRESS_KEY_PATH, {"56"}, 1}, // the B key
        {VORN_PRESS_KEY_PATH, {"26"}, 4}, // the E key: a hidden slot, nothing is chosen
        {"xdotool", {"key", "3"}, 2},           {"xdotool", {"key", "Cyrillic_es"}, 2},
    };
    for (const QStringList& layout :
         {QStringList{"-layout", "bg"}, QStringList{"-layout", "bg", "-variant", "phonetic"}}) {
        SCOPED_TRACE(layout.join(u' ').toStdString());
        XServer server;
        ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
        ASSERT_EQ(server.run(QStringLiteral("setxkbmap"), layout).status, 0);
        PlayerWindow player(server, {"--bank", bank, "--seed", "1"});
        ASSERT_TRUE(player.waitForWindow(kLimit)) << player.error().toStdString();
        QImage before;
        ASSERT_TRUE(PollUntil(
            [&] {
                before = player.screenshot();
                return !before.isNull() && ColourOf(before, kIndicator) == kRed;
            },
            kLimit));
        for (const auto& key : keys) {
            SCOPED_TRACE(key.arguments.join(u' ').toStdString());
            ASSERT_EQ(server.run(QString::fromUtf8(key.tool), key.arguments).status, 0);
            QImage after;
            if (key.option >= 4) {
                // Nothing may change: give the player time to show a wrong choice.
                EXPECT_FALSE(PollUntil(
                    [&] { return ColourOf(after = player.screenshot(), kIndicator) == kGreen; },
                    milliseconds(1500)));
                continue;
            }
            ASSERT_TRUE(PollUntil(
                [&] {
                    after = player.screenshot();
                    return !after.isNull() && ColourOf(after, kIndicator) == kGreen;
                },
                kLimit));
            EXPECT_EQ(ChangedOption(before, after), key.option);
            // On to a fresh position, where nothing is chosen yet.
            ASSERT_TRUE(player.click(kForward.centre()));
            ASSERT_TRUE(PollUntil(
                [&] {
                    before = player.screenshot();
                    return !before.isNull() && ColourOf(before, kIndicator) == kRed;
                },
                kLimit));
        }
    }
}

namespace {

// The processes of libdbus's session bus start (dbus-launch, dbus-daemon) that
// were started for `display`: they carry its DISPLAY in their environment.
int SessionBusProcessesFor(const QString& display) {
    int found = 0;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        if (!comm.open(QIODevice::ReadOnly) || !comm.readAll().startsWith("dbus-")) continue;
        QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
        if (environ.open(QIODevice::ReadOnly) &&
            environ.readAll().split('\0').contains("DISPLAY=" + display.toLatin1()))
            ++found;
    }
    return found;
}

} // namespace

// Where the session has no bus, the player starts none (libdbus would start
// one for the X display, for the toolkit's menu and accessibility bridge, and
// it would outlive the player). Meaningful where dbus-x11 is installed, as
// tools/setup.sh does.
TEST(RealWindowSession, WithoutASessionBusThePlayerLeavesNoBusBehind) {
    XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    {
        PlayerWindow player(server, {}, {QStringLiteral("DBUS_SESSION_BUS_ADDRESS")});
        ASSERT_TRUE(player.waitForWindow(kLimit)) << player.error().toStdString();
        ASSERT_TRUE(player.requestClose());
        EXPECT_EQ(player.waitForExit(kLimit), 0) << player.error().toStdString();
    }
    // A bus started for the player would be up by the time its window was.
    EXPECT_EQ(SessionBusProcessesFor(server.display()), 0);
}

namespace {

// Types a student's name and class into the window before the test.
void TypeStudent(const XServer& server, PlayerWindow& player,
                 const QString& name = QStringLiteral("Мария Иванова"),
                 const QString& className = QStringLiteral("8а")) {
    ASSERT_FALSE(player.waitForDialog(kLimit).isEmpty()) << player.error().toStdString();
    // With the Bulgarian layout every letter typed has a key of its own: xdotool
    // otherwise lends a spare key to each Cyrillic letter and takes it back,
    // and a player slow to read the key (a loaded machine) then drops letters.
    ASSERT_EQ(server.run(QStringLiteral("setxkbmap"), {"-layout", "bg"}).status, 0);
    for (const QStringList& keys :
         {QStringList{"type", "--delay", "20", name}, QStringList{"key", "Return"},
          QStringList{"type", "--delay", "20", className}, QStringList{"key", "Return"},
          QStringList{"key", "Return"}})
        ASSERT_EQ(server.run(QStringLiteral("xdotool"), keys).status, 0);
}

void GiveStudent(const XServer& server, PlayerWindow& player) {
    TypeStudent(server, player);
    ASSERT_TRUE(player.waitForWindow(kLimit)) << player.error().toStdString();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The exam's journal in the folder; empty when there is none.
QJsonObject JournalIn(const QString& folder) {
    const QFileInfoList journals = QDir(folder).entryInfoList({"*.journal"}, QDir::Files);
    if (journals.isEmpty()) return {};
    return QJsonDocument::fromJson(Contents(journals.first().filePath())).object();
}

// How many positions the journal in `folder` holds an answer for; -1 with no
// journal yet.
int AnswersInJournal(const QString& folder) {
    const QJsonObject journal = JournalIn(folder);
    if (journal.isEmpty()) return -1;
    const QJsonArray chosen = journal.value("run").toObject().value("chosen").toArray();
    return static_cast<int>(std::count_if(chosen.begin(), chosen.end(),
                                          [](const QJsonValue& slot) { return !slot.isNull(); }));
}

// The seconds left that the caption ends with ("… 9:57"); -1 without.
int SecondsLeft(const QString& title) {
    const QStringList parts = title.section(u' ', -1).split(u':');
    return parts.size() == 2 ? parts[0].toInt() * 60 + parts[1].toInt() : -1;
}

} // namespace

// The student's name is typed in Cyrillic into the window before the test; it
// stands in the test window's caption and in the record of the graded run.
TEST(RealWindowStudent, TheNameTypedBeforeTheTestIsInTheCaptionAndTheRecord) {
    XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("7b.jsonl"));
    PlayerWindow player(server, {"--ask-name", "--bank", VORN_EXAMPLES_DIR "/english-tenses.gift",
                                 "--seed", "3", "--results", results});
    TypeStudent(server, player, QStringLiteral("Иван Петров"), QStringLiteral("7б"));
    ASSERT_TRUE(player.waitForWindow(kLimit)) << player.error().toStdString();
    EXPECT_EQ(player.title(), QStringLiteral("Иван Петров, 7б    ВОРН - Сорвелин"));

    ASSERT_TRUE(player.click(kGrade.centre()));
    ASSERT_TRUE(PollUntil([&] { return QFileInfo(results).size() > 0; }, kLimit))
        << "a record after grading";
    QFile file(results);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray record = file.readAll();
    EXPECT_TRUE(record.contains(
        QStringLiteral(R"("student":{"class":"7б","name":"Иван Петров","number":""})").toUtf8()))
        << record.toStdString();
    ASSERT_TRUE(player.requestClose());
    EXPECT_EQ(player.waitForExit(kLimit), 0);
}

// A short time limit: the time left stands in the caption, and at zero the
// test grades itself, the record says the time ran out and a message says so
// until the student closes it.
TEST(RealWindowTime, AShortLimitGradesByItselfAndTheRecordSaysSo) {
    XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("timed.jsonl"));
    PlayerWindow player(server, {"--time-limit", "0:03", "--bank",
                                 VORN_EXAMPLES_DIR "/english-tenses.gift", "--results", results});
    ASSERT_TRUE(player.waitForWindow(kLimit)) << player.error().toStdString();
    EXPECT_TRUE(player.title().startsWith(QStringLiteral("ВОРН - Сорвелин    0:0")))
        << player.title().toStdString();
    ASSERT_TRUE(PollUntil([&] { return QFileInfo(results).size() > 0; }, kLimit))
        << "graded by itself";
    QFile file(results);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray record = file.readAll();
    EXPECT_TRUE(record.contains(R"("timeLimit":3)") && record.contains(R"("timeUp":true)") &&
                record.contains(R"("timeUsed":3)"))
        << record.toStdString();
    EXPECT_TRUE(player.title().endsWith(QStringLiteral("0:00"))) << player.title().toStdString();
    ASSERT_TRUE(player.waitForQuestion(kLimit)) << "the message: " << player.error().toStdString();
    ASSERT_TRUE(player.key("Return"));
    ASSERT_TRUE(player.waitForQuestionGone(kLimit));
    ASSERT_TRUE(player.requestClose());
    EXPECT_EQ(player.waitForExit(kLimit), 0);
}

// Grading with questions open asks first, and "Не" (the default, Enter)
// keeps the test going; leaving an ungraded test asks too, and "Да" writes
// the attempt as abandoned with the answer given.
TEST(RealWindowExam, GradingAndLeavingAskFirstAndLeavingWritesAnAbandonedAttempt) {
    XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("8a.jsonl"));
    PlayerWindow player(server, {"--exam", "--bank", VORN_EXAMPLES_DIR "/english-tenses.gift",
                                 "--results", results});
    GiveStudent(server, player);
    ASSERT_TRUE(player.key("1"));
    ASSERT_TRUE(player.click(kGrade.centre()));
    ASSERT_TRUE(player.waitForQuestion(kLimit)) << player.error().toStdString();
    ASSERT_TRUE(player.key("Return"));
    ASSERT_TRUE(player.waitForQuestionGone(kLimit));
    EXPECT_FALSE(QFileInfo::exists(results)) << "not graded";

    ASSERT_TRUE(player.requestClose());
    ASSERT_TRUE(player.waitForQuestion(kLimit)) << player.error().toStdString();
    ASSERT_TRUE(player.key("Tab") && player.key("space")); // from "Не" to "Да"
    EXPECT_EQ(player.waitForExit(kLimit), 0);
    const QByteArray record = Contents(results);
    EXPECT_TRUE(record.contains(R"("abandoned":true)") && record.contains(R"("attempt":1)") &&
                record.count(R"("chosen":null)") == record.count(R"("right":)") - 1)
        << record.toStdString();
}

// Killed after three answers, the player started again for the same student
// shows the same screen (question, answers, counters) with the time left as
// it was; once graded, the one attempt allowed is used.
TEST(RealWindowExam, AKilledPlayerGoesOnWithTheSameRunAndAGradedAttemptIsNotRepeated) {
    XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    QTemporaryDir dir;
    const QString results = dir.filePath(QStringLiteral("8a.jsonl"));
    constexpr int kLimitSeconds = 600; // the time limit given
    const QStringList arguments{
        "--exam",    "--time-limit", "10:00", "--bank", VORN_EXAMPLES_DIR "/english-tenses.gift",
        "--results", results};
    QImage before;
    int leftBefore = 0;
    {
        PlayerWindow player(server, arguments);
        GiveStudent(server, player);
        for (const char* keys : {"1", "Next", "2", "Next", "1"})
            ASSERT_TRUE(player.key(QString::fromLatin1(keys)));
        // Killed only once the journal holds the three answers and the window
        // shows the last of them (two screenshots alike).
        ASSERT_TRUE(PollUntil([&] { return AnswersInJournal(dir.path()) == 3; }, kLimit));
        ASSERT_TRUE(PollUntil(
            [&] {
                const QImage shot = player.screenshot();
                const bool settled = !shot.isNull() && shot == before;
                before = shot;
                return settled;
            },
            kLimit));
        leftBefore = SecondsLeft(player.title());
        player.killHard();
    }
    ASSERT_FALSE(before.isNull());
    ASSERT_GT(leftBefore, 0);
    // The time goes on from the last the journal holds: the seconds since it
    // was written (at most its interval) may have passed before the kill, and
    // a loaded machine may take a few more to show the window again.
    const int usedBefore = JournalIn(dir.path()).value("timeUsed").toInt(-1);

    PlayerWindow again(server, arguments);
    GiveStudent(server, again);
    EXPECT_TRUE(PollUntil([&] { return again.screenshot() == before; }, kLimit))
        << "the same question, answers and counters";
    const int leftAfter = SecondsLeft(again.title());
    const int leftByJournal = kLimitSeconds - usedBefore;
    EXPECT_TRUE(usedBefore >= 0 && leftByJournal >= leftBefore && leftAfter <= leftByJournal &&
                leftAfter >= leftByJournal - 5)
        << leftBefore << " then " << again.title().toStdString() << ", journal " << usedBefore;

    ASSERT_TRUE(again.click(kGrade.centre()));
    ASSERT_TRUE(again.waitForQuestion(kLimit)) << again.error().toStdString();
    ASSERT_TRUE(again.key("Tab") && again.key("space"));
    ASSERT_TRUE(PollUntil([&] { return QFileInfo(results).size() > 0; }, kLimit));
    EXPECT_EQ(Contents(results).count(R"("chosen":null)"),
              Contents(results).count(R"("right":)") - 3)
        << "three answers kept through the crash";
    ASSERT_TRUE(again.requestClose());
    EXPECT_EQ(again.waitForExit(kLimit), 0) << "graded: no question on leaving";

    PlayerWindow third(server, arguments);
    TypeStudent(server, third);
    // The refusal, in a box titled with the student.
    ASSERT_TRUE(third.waitForQuestion(kLimit, QStringLiteral("Мария Иванова, 8а")));
    ASSERT_TRUE(third.key("Return"));
    EXPECT_EQ(third.waitForExit(kLimit), 1);
    EXPECT_TRUE(third.error().contains(QStringLiteral("разрешените опити са 1")))
        << third.error().toStdString();
}

// The fault caught: the exam session's player started on an X display (the
// student chose another session, or someone typed it) playing the exam in an
// ordinary window, or ending before anyone could read why it does not.
TEST(RealWindowExamSession, OutsideAWaylandSessionTheKioskSaysSoAndEndsOnceConfirmed) {
    const XServer server;
    ASSERT_FALSE(server.display().isEmpty()) << server.error().toStdString();
    PlayerWindow player(server, {"--kiosk"});
    ASSERT_FALSE(player.waitForDialog(kLimit).isEmpty()) << player.error().toStdString();
    EXPECT_EQ(player.waitForExit(milliseconds(300)), -1); // it waits for the student
    ASSERT_TRUE(player.key(QStringLiteral("Return")));
    EXPECT_EQ(player.waitForExit(kLimit), 1);
    EXPECT_TRUE(player.error().contains("работи само в нея")) << player.error().toStdString();
}
