// The exam file: what --make-exam writes opens as the same exam, its paths
// found beside the file wherever its folder was copied; a damaged or unknown
// file is refused with the reason, never played in part.

#include "app/exam_file.h"
#include "app/exam_file_command.h"
#include "bank/locked_bank.h"
#include "platform/exit_status.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

CommandLine Parsed(const QStringList& arguments) {
    const auto parsed = ParseCommandLine(QStringList{"vorn-player"} + arguments);
    const auto* line = std::get_if<CommandLine>(&parsed);
    EXPECT_NE(line, nullptr) << arguments.join(' ').toStdString();
    return line ? *line : CommandLine{};
}

CommandLine Opening(const QString& examFile) {
    return Parsed({examFile});
}

// `options` with the paths they name found under `folder`.
QStringList Under(const QTemporaryDir& folder, QStringList options) {
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (QStringList{"--bank", "--results", "--results-key", "--class-list"}.contains(
                options[i]))
            options[i + 1] = QDir::cleanPath(folder.filePath(options[i + 1]));
    return options;
}

// What an exam is: the settings a student's run follows.
auto Settings(const CommandLine& l) {
    return std::tuple(l.bank, l.results, l.resultsKey, l.classList, l.timeLimit, l.attempts,
                      l.attemptsCounted, l.review);
}

} // namespace

// The faults: paths written as they were typed (or absolute), so that a copied
// folder reaches the old one; a setting lost or turned into another on the way
// (the time limit to the second, the review, which attempts count); a locked
// bank opened without asking its password; a file made over another.
TEST(ExamFile, WhatIsWrittenOpensAsTheSameExamInACopiedFolder) {
    const struct {
        QStringList options; // beside --make-exam, paths under the made folder
        QJsonObject written; // the file's fields besides "format" and "version"
    } cases[] = {
        {{"--results", "8a.jsonl"},
         {{"results", "8a.jsonl"}, {"attempts", 1}, {"attemptsCount", "all"}, {"review", "score"}}},
        {{"--bank", "банки/8а.gift", "--results", "резултати/8а.jsonl", "--results-key",
          "../keys/exam.pub", "--time-limit", "1:30", "--attempts", "3", "--attempts-count",
          "graded", "--review", "none"},
         {{"bank", "банки/8а.gift"},
          {"results", "резултати/8а.jsonl"},
          {"resultsKey", "../keys/exam.pub"},
          {"timeLimit", 90},
          {"attempts", 3},
          {"attemptsCount", "graded"},
          {"review", "none"}}},
        {{"--results", "r.jsonl", "--time-limit", "300", "--review", "full"},
         {{"results", "r.jsonl"},
          {"timeLimit", 18000},
          {"attempts", 1},
          {"attemptsCount", "all"},
          {"review", "full"}}},
        // A locked bank: the player must ask its password.
        {{"--bank", "заключена.vorn", "--results", "r.jsonl", "--class-list", "списъци/8а.csv"},
         {{"bank", "заключена.vorn"},
          {"results", "r.jsonl"},
          {"classList", "списъци/8а.csv"},
          {"bankLocked", true},
          {"attempts", 1},
          {"attemptsCount", "all"},
          {"review", "score"}}},
    };
    for (const auto& c : cases) {
        QTemporaryDir made, copied;
        const bool locked = c.written.value("bankLocked").toBool();
        if (locked) {
            QFile bank(made.filePath(c.written.value("bank").toString()));
            ASSERT_TRUE(bank.open(QIODevice::WriteOnly));
            bank.write(LockBank("bundle", SecretBytes::FromPassword("парола-8а"), {1, 1024}));
        }
        const QString examFile = made.filePath("lab.vorn-exam");
        QString said;
        QTextStream out(&said), err(&said);
        ASSERT_EQ(
            MakeExamCommand(Parsed(QStringList{"--make-exam", examFile} + Under(made, c.options)),
                            out, err),
            kExitOk)
            << said.toStdString();
        QJsonObject expected = c.written;
        expected.insert("format", "vorn-exam");
        expected.insert("version", 1);
        const auto written = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                                  : QJsonObject();
        };
        EXPECT_EQ(written(examFile), expected);

        const QString copy = copied.filePath("lab.vorn-exam");
        ASSERT_TRUE(QFile::copy(examFile, copy));
        const auto opened = OpenExamFile(Opening(copy));
        ASSERT_TRUE(std::holds_alternative<CommandLine>(opened))
            << std::get<QString>(opened).toStdString();
        const CommandLine& exam = std::get<CommandLine>(opened);
        EXPECT_EQ(std::tuple(exam.command, exam.exam, exam.askName, exam.lock),
                  std::tuple(CommandLine::Command::Play, true, true, locked));
        // As if the teacher had typed the options in the copied folder.
        EXPECT_EQ(Settings(exam),
                  Settings(Parsed(QStringList{"--make-exam", copy} + Under(copied, c.options))));

        EXPECT_EQ(
            MakeExamCommand(Parsed({"--make-exam", copy, "--results", "other.jsonl"}), out, err),
            kExitRefused);
        EXPECT_EQ(written(copy), expected) << "overwritten";
    }
}

// The faults: a file of another kind or version taken as an exam, an unknown
// key or a value of the wrong kind ignored (the exam started with defaults the
// teacher did not set), an unbounded read of something that is not a file.
TEST(ExamFile, ADamagedOrUnknownFileIsRefusedWithTheReason) {
    const QByteArray head = R"("format": "vorn-exam", "version": 1, "results": "r.jsonl")";
    const auto with = [&head](const char* more) { return "{" + head + more + "}"; };
    const struct {
        QByteArray bytes;
        QString says;
    } cases[] = {
        {"", "не е JSON обект."},
        {"[1]", "не е JSON обект."},
        {with(", "), "не е JSON обект."},
        {R"({"format": "vorn-bank", "version": 1, "results": "r"})", "не е файл на изпит"},
        {R"({"format": "vorn-exam", "version": 2, "results": "r"})", "версия, която"},
        {R"({"format": "vorn-exam", "version": "1", "results": "r"})", "версия, която"},
        {R"({"format": "vorn-exam", "version": 1, "bank": "b.gift"})", "липсва „results“."},
        {with(R"(, "seed": 1)"), "непознат ключ „seed“."},
        {with(R"(, "Bank": "b.gift")"), "непознат ключ „Bank“."},
        {R"({"format": "vorn-exam", "version": 1, "results": 5})",
         "„results“ трябва да е непразен текст."},
        {with(R"(, "bank": "")"), "„bank“ трябва да е непразен текст."},
        {with(R"(, "timeLimit": 1.5)"), "„timeLimit“ трябва да е цяло положително число."},
        {with(R"(, "timeLimit": "40")"), "„timeLimit“ трябва да е цяло положително число."},
        {with(R"(, "timeLimit": 18001)"), "„--time-limit“ иска минути от 1 до 300"},
        {with(R"(, "attempts": 0)"), "„attempts“ трябва да е цяло положително число."},
        {with(R"(, "attempts": 101)"), "„--attempts“ иска цяло число от 1 до 100"},
        {with(R"(, "review": "all")"), "„--review“ иска none, score или full"},
        {with(R"(, "attemptsCount": true)"), "„attemptsCount“ трябва да е непразен текст."},
        {with(R"(, "bankLocked": "yes")"), "„bankLocked“ трябва да е true или false."},
        {with(R"(, "classList": 8)"), "„classList“ трябва да е непразен текст."},
        {with(QByteArray(64 * 1024, ' ').constData()), "файлът е по-голям от 64 KiB."},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("lab.vorn-exam");
    for (const auto& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        const auto opened = OpenExamFile(Opening(path));
        const auto* problem = std::get_if<QString>(&opened);
        ASSERT_NE(problem, nullptr) << c.bytes.left(80).toStdString();
        EXPECT_TRUE(problem->startsWith(QStringLiteral("файлът на изпита „%1“: ").arg(path)) &&
                    problem->contains(c.says))
            << problem->toStdString() << " lacks " << c.says.toStdString();
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.vorn-exam"));
    const auto folder = OpenExamFile(Opening(dir.filePath("folder.vorn-exam")));
    EXPECT_EQ(std::get<QString>(folder).section(": ", 1), "това не е файл.");
    const auto missing = OpenExamFile(Opening(dir.filePath("none.vorn-exam")));
    EXPECT_EQ(std::get<QString>(missing).section(": ", 1), "файлът не съществува.");
}
