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

} // namespace

TEST(DesktopFiles, MenuEntryPlaysTheFileOpenedOrTheShippedTest) {
    const QRegularExpressionMatch exec =
        QRegularExpression(QStringLiteral("^Exec=(.*)$"), QRegularExpression::MultilineOption)
            .match(Packaging(QStringLiteral("vorn-player.desktop")));
    ASSERT_TRUE(exec.hasMatch());
    for (const QString& file : {QString(), QStringLiteral("/home/учител/моят тест.gift")}) {
        const QStringList arguments = Launch(exec.captured(1), file);
        const auto parsed = ParseCommandLine(arguments);
        const auto* line = std::get_if<CommandLine>(&parsed);
        ASSERT_NE(line, nullptr) << arguments.join(' ').toStdString() << ": "
                                 << std::get<UsageError>(parsed).message.toStdString();
        EXPECT_EQ(line->command, CommandLine::Command::Play);
        EXPECT_EQ(line->bank, file) << arguments.join(' ').toStdString();
    }
}

TEST(DesktopFiles, ManualPagesNameEveryOptionOfTheHelp) {
    const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*(?![\\w-])"));
    QSet<QString> options;
    for (const auto& match : option.globalMatch(CommandLineHelp()))
        options += match.captured();
    ASSERT_TRUE(options.contains(QStringLiteral("--check-bank")));
    for (const QString& page :
         {QStringLiteral("vorn-player.1.in"), QStringLiteral("vorn-player.bg.1.in")}) {
        const QString text = Packaging(page).replace(QLatin1String("\\-"), QLatin1String("-"));
        QSet<QString> named;
        for (const auto& match : option.globalMatch(text))
            named += match.captured();
        for (const QString& name : options)
            EXPECT_TRUE(named.contains(name))
                << page.toStdString() << " lacks " << name.toStdString();
    }
}
