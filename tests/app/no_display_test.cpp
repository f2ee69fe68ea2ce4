// Started where no display can be opened, the player says so in one line and
// exits with a failure status instead of aborting.

#include "support/private_environment.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

TEST(StartWithoutDisplay, SaysSoInOneLineAndExitsWithStatusOne) {
    for (const char* platform : {"", "xcb"}) {
        QProcessEnvironment env = vorn::test::PrivateEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (*platform) env.insert("QT_QPA_PLATFORM", platform);
        QProcess player;
        player.setProcessEnvironment(env);
        player.start(QStringLiteral(VORN_PLAYER_PATH), {});
        ASSERT_TRUE(player.waitForFinished(20000));
        EXPECT_EQ(player.exitStatus(), QProcess::NormalExit) << "no abort, no core dump";
        EXPECT_EQ(player.exitCode(), 1);
        const QString err = QString::fromUtf8(player.readAllStandardError()).trimmed();
        EXPECT_FALSE(err.contains(u'\n')) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("графична сесия"))) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("DISPLAY"))) << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("offscreen")))
            << "no advice to start a window nobody sees: " << err.toStdString();
    }
}

TEST(StartWithoutDisplay, UnreachableDisplayIsReportedTheSameWay) {
    QProcessEnvironment env = vorn::test::PrivateEnvironment();
    env.insert("DISPLAY", ":97"); // no X server there
    env.insert("QT_QPA_PLATFORM", "xcb");
    QProcess player;
    player.setProcessEnvironment(env);
    player.start(QStringLiteral(VORN_PLAYER_PATH), {});
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 1);
    const QString err = QString::fromUtf8(player.readAllStandardError()).trimmed();
    EXPECT_TRUE(err.startsWith(QStringLiteral("vorn-player: не може да се отвори дисплей")))
        << err.toStdString();
    EXPECT_FALSE(err.contains(u'\n'))
        << "one line, not the platform's trail: " << err.toStdString();
}

TEST(StartWithoutDisplay, ToolkitPlatformOptionIsHonoured) {
    QProcessEnvironment env = vorn::test::PrivateEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    for (const QStringList& args :
         {QStringList{"-platform", "offscreen"}, QStringList{"--platform", "offscreen"}}) {
        QProcess player;
        player.setProcessEnvironment(env);
        player.start(QStringLiteral(VORN_PLAYER_PATH), args);
        ASSERT_TRUE(player.waitForStarted());
        // Refused, it would end at once with status 1; honoured, the window runs.
        EXPECT_FALSE(player.waitForFinished(1500))
            << args.join(' ').toStdString() << ": " << player.readAllStandardError().toStdString();
        player.kill();
        player.waitForFinished();
    }
}
