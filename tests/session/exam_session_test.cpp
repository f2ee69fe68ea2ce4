// The exam session as the lab's display manager starts it, in cage on the
// headless backend (an output of 1280 × 720, wlroots' default for it). What a
// student could try is tried from outside: a second program in the session,
// keys, the player's end.

#include "cage_session.h"
#include "support/file_bytes.h"

#include <QColor>
#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <functional>

using namespace vorn::session;

namespace {

const milliseconds kLimit(20000); // every wait polls: a pass takes no longer for it
const QString kFullScreen = QStringLiteral(" 1280x720 screen 1280x720");

// An exam the player can start: the compiled-in test, results beside it.
QString WriteExam(const CageSession& session) {
    return session.write(QStringLiteral("lab.vorn-exam"),
                         R"({"format": "vorn-exam", "version": 1, "results": "results.jsonl"})");
}

QString Config(const CageSession& session, const QString& line) {
    return session.write(QStringLiteral("exam.conf"), line.toUtf8() + '\n');
}

// The share of the screen's pixels that are black. (The headless output
// shows each window's first picture only: cage 0.1.4 finishes no frame there,
// so a window that grows to the screen afterwards is not drawn again. What is
// sure is that the backdrop's and the dialog's first pictures are there.)
double BlackShare(const QImage& shot) {
    qint64 black = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            black += QColor(shot.pixel(x, y)).value() < 16;
    return static_cast<double>(black) / (static_cast<qint64>(shot.width()) * shot.height());
}

} // namespace

// The faults caught: the player's first window not on the whole output; a
// program started later in the session (by the student, or by anyone with
// the student's account) shown above the test; keys that leave the test; the
// session going on, a black screen, after the player has ended.
TEST(ExamSession, ThePlayerAloneFillsTheScreenAndTheSessionEndsWithIt) {
    CageSession session;
    session.start(Config(session, "exam = " + WriteExam(session)));
    // The backdrop, then the question who answers, centred over it at its
    // own size (cage stretches a window without a parent over the screen, and
    // leaves a fixed-size one in a corner of a black screen).
    ASSERT_TRUE(session.waitForLog("window KioskBackdrop" + kFullScreen + " frameless", kLimit))
        << session.log().toStdString() << session.said().toStdString();
    ASSERT_TRUE(session.waitForLog("window QDialog", kLimit)) << session.log().toStdString();
    ASSERT_TRUE(session.waitForLog("keyboard in", kLimit));
    EXPECT_FALSE(session.log().contains("window QDialog 1280x720"));
    EXPECT_TRUE(session.log().contains(
        QRegularExpression("window QDialog \\d+x\\d+ screen 1280x720 over its parent")));
    const QImage shot = session.screenshot();
    ASSERT_EQ(shot.size(), QSize(1280, 720));
    EXPECT_LT(BlackShare(shot), 0.9) << session.log().toStdString();
    // Keys reach the session only through a virtual keyboard (the headless
    // backend has no devices): where cage offers one, Alt+F4 and Alt+Tab
    // leave the player where it was (cage 0.1.4 offers none).
    for (const char* key : {"F4", "Tab"}) {
        const ToolResult typed = session.runClient(CageSession::Reach::TestsLink,
                                                   {"wtype", "-M", "alt", "-k", key, "-m", "alt"});
        if (typed.out.contains("does not support the virtual keyboard protocol")) break;
        ASSERT_EQ(typed.status, 0) << typed.out.toStdString();
    }
    EXPECT_FALSE(session.waitForEnd(milliseconds(500)));
    EXPECT_FALSE(session.log().contains("keyboard out"));
    // cage shows the newest window on top and gives it the keyboard: a
    // program that still reaches the compositor is shown over the test. The
    // player takes the socket's name away as it starts, so no program of the
    // session finds it; the test's own link, made before, shows what one
    // would do.
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "through the test's link" : "through the socket's name");
        const QString log = session.path(linked ? "linked.log" : "named.log");
        const ToolResult run = session.runClient(
            linked ? CageSession::Reach::TestsLink : CageSession::Reach::SocketName,
            {"timeout", "-s", "TERM", "2", VORN_PLAYER_PATH, "--kiosk"},
            {"VORN_TEST_WINDOW_LOG=" + log});
        EXPECT_EQ(vorn::FileBytes(log).contains("window"), linked) << run.out.toStdString();
        EXPECT_EQ(session.waitForLog("keyboard out", milliseconds(linked ? 5000 : 300)), linked);
    }
    ASSERT_TRUE(session.endPlayer());
    EXPECT_TRUE(session.waitForEnd(milliseconds(5000))) << session.said().toStdString();
}

// The fault caught: a session that cannot start its exam leaving the student
// a black screen, or a message that does not say why.
TEST(ExamSession, WhatStopsTheExamIsSaidOnTheScreen) {
    const struct {
        const char* what;
        std::function<QString(const CageSession&)> config; // the configuration's path
        const char* says;
    } cases[] = {
        {"no configuration", [](const CageSession& s) { return s.path("missing.conf"); },
         "настройката на изпитната сесия „%1/missing.conf“: файлът не съществува."},
        {"a damaged exam",
         [](const CageSession& s) {
             return Config(s, "exam = " + s.write("lab.vorn-exam", "{\"format\": \"vorn-ex"));
         },
         "файлът на изпита „%1/lab.vorn-exam“: "},
        {"a folder without exams",
         [](const CageSession& s) { return Config(s, "folder = " + s.path("")); },
         "в папката на изпитите „%1“ няма файл на изпит (.vorn-exam)."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CageSession session;
        session.start(c.config(session));
        ASSERT_TRUE(session.waitForLog("over its parent", kLimit))
            << session.log().toStdString() << session.said().toStdString();
        const QImage shot = session.screenshot();
        ASSERT_EQ(shot.size(), QSize(1280, 720));
        EXPECT_LT(BlackShare(shot), 0.9) << session.log().toStdString();
        ASSERT_TRUE(session.endPlayer());
        ASSERT_TRUE(session.waitForEnd(milliseconds(5000)));
        const QString says = QString::fromUtf8(c.says).arg(QDir::cleanPath(session.path("")));
        EXPECT_TRUE(session.said().contains("Изпитът не може да започне: " + says))
            << session.said().toStdString();
    }
}
