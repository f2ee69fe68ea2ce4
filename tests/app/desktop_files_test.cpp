// The files a desktop reads about the program agree with its command line: the
// menu entry's Exec line, with or without a file, and the manual pages.

#include "app/command_line.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QString Packaging(const QString& name) {
    QFile file(QStringLiteral(VORN_SOURCE_DIR "/packaging/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The Exec line as a launcher runs it: %f becomes the file's path, or is
// removed when there is none (an argument that was only %f goes with it).
QStringList Launch(const QString& exec, const QString& file) {
    QStringList arguments;
    for (QString argument : exec.split(u' ', Qt::SkipEmptyParts)) {
        const bool onlyTheFile = argument == QLatin1String("%f");
        argument.replace(QLatin1String("%f"), file);
        if (!(onlyTheFile && file.isEmpty())) arguments += argument;
    }
    return arguments;
}

// The menu entry's Exec line, without "Exec=".
QString Exec() {
    const QRegularExpressionMatch exec =
        QRegularExpression(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption)
            .match(Packaging(QStringLiteral("vorn-player.desktop")));
    EXPECT_TRUE(exec.hasMatch());
    return exec.captured(1);
}

} // namespace

TEST(DesktopFiles, MenuEntryPlaysTheFileOpenedOrTheShippedTest) {
    for (const QString& file : {QString(), QStringLiteral("/home/учител/моят тест.gift")}) {
        const QStringList arguments = Launch(Exec(), file);
        const auto parsed = ParseCommandLine(arguments);
        const auto* line = std::get_if<CommandLine>(&parsed);
        ASSERT_NE(line, nullptr) << arguments.join(' ').toStdString() << ": "
                                 << std::get<UsageError>(parsed).message.toStdString();
        EXPECT_EQ(line->command, CommandLine::Command::Play);
        EXPECT_EQ(line->bank, file) << arguments.join(' ').toStdString();
    }
}

// The fault: a double-clicked exam file read as a bank, or the MIME type the
// menu entry claims for it not declared.
TEST(DesktopFiles, AnExamFileOpenedFromTheMenuStartsItsExam) {
    const QString file = QStringLiteral("/home/учител/изпит 8а.vorn-exam");
    const auto parsed = ParseCommandLine(Launch(Exec(), file));
    const auto* line = std::get_if<CommandLine>(&parsed);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->command, CommandLine::Command::OpenExam);
    EXPECT_EQ(line->examFile, file);
    EXPECT_TRUE(Packaging(QStringLiteral("vorn-player.desktop"))
                    .contains(QStringLiteral(";application/x-vorn-exam;")));
    bool globbed = false; // the type's own block names the ending
    for (const QString& type : Packaging(QStringLiteral("vorn-player.xml")).split("<mime-type "))
        globbed |= type.startsWith(QStringLiteral("type=\"application/x-vorn-exam\"")) &&
                   type.contains(QStringLiteral("<glob pattern=\"*.vorn-exam\"/>"));
    EXPECT_TRUE(globbed);
}

TEST(DesktopFiles, ManualPagesNameEveryOptionOfTheHelpInTheirSynopsisAndOptions) {
    const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*(?![\\w-])"));
    const auto named = [&option](const QString& text) {
        QSet<QString> names;
        for (const auto& match : option.globalMatch(text))
            names += match.captured();
        return names;
    };
    const QSet<QString> usage = named(CommandLineUsage());
    const QSet<QString> help = named(CommandLineHelp());
    ASSERT_TRUE(usage.contains(QStringLiteral("--report")) && help.contains(QStringLiteral("-h")));
    // The second section is the synopsis, the fourth the options, in both.
    for (const QString& page :
         {QStringLiteral("vorn-player.1.in"), QStringLiteral("vorn-player.bg.1.in")}) {
        const QStringList sections =
            Packaging(page).replace(QLatin1String("\\-"), QLatin1String("-")).split(".SH ");
        ASSERT_GE(sections.size(), 5) << page.toStdString();
        const QSet<QString> synopsis = named(sections[2]), options = named(sections[4]);
        for (const QString& name : usage)
            EXPECT_TRUE(synopsis.contains(name))
                << page.toStdString() << ": the synopsis lacks " << name.toStdString();
        for (const QString& name : help)
            EXPECT_TRUE(options.contains(name))
                << page.toStdString() << ": the options lack " << name.toStdString();
    }
}

// The faults: the display managers' entry running something that is not the
// session script; the compositor let switch consoles (cage's -s); the player
// started as anything but the exam session.
TEST(DesktopFiles, TheExamSessionRunsThePlayersKioskInCageWithoutConsoleSwitching) {
    const QString entry = Packaging(QStringLiteral("session/vorn-exam.desktop"));
    EXPECT_TRUE(
        entry.contains(QStringLiteral("\nExec=/usr/libexec/vorn-player/vorn-exam-session\n")));
    const QRegularExpressionMatch run =
        QRegularExpression(QStringLiteral("^exec cage (.*) -- (vorn-player .*)$"),
                           QRegularExpression::MultilineOption)
            .match(Packaging(QStringLiteral("session/vorn-exam-session")));
    ASSERT_TRUE(run.hasMatch());
    EXPECT_FALSE(run.captured(1).split(u' ').contains(QStringLiteral("-s")))
        << run.captured(1).toStdString();
    const auto parsed = ParseCommandLine(run.captured(2).split(u' '));
    ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
    EXPECT_EQ(std::get<CommandLine>(parsed).command, CommandLine::Command::Kiosk);
}
