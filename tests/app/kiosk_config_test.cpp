// The exam session's configuration. The faults caught: a file that names no
// exam, two exams, a relative path (resolved against wherever the session
// happens to start) or a key misspelt taken in part instead of refused with
// its line; the override for tests not honoured, or honoured when empty.

#include "app/kiosk_config.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

using Kind = KioskExam::Kind;

} // namespace

TEST(KioskConfig, NamesOneExamOrFolderByAbsolutePathElseSaysWhichLineIsWrong) {
    const struct {
        const char* text;
        std::optional<KioskExam> exam;
        const char* says; // part of the refusal
    } cases[] = {
        {"exam = /srv/e/7b.vorn-exam\n", KioskExam{Kind::File, "/srv/e/7b.vorn-exam"}, ""},
        {"# изпит\n\n  folder=/srv/e/  \n", KioskExam{Kind::Folder, "/srv/e"}, ""},
        {"folder = /srv/e\r\n# exam = /x.vorn-exam\r\n", KioskExam{Kind::Folder, "/srv/e"}, ""},
        {"", std::nullopt, "не посочва изпит"},
        {"# само бележка\n", std::nullopt, "не посочва изпит"},
        {"exam = /a.vorn-exam\nfolder = /srv\n", std::nullopt,
         "ред 2: изпитът е посочен втори път"},
        {"exam = e.vorn-exam\n", std::nullopt, "ред 1: пътят трябва да започва с „/“"},
        {"exam = /srv/e/7b.vorn.json\n", std::nullopt, "ред 1: файлът на изпита трябва"},
        {"exam =\n", std::nullopt, "ред 1: липсва път"},
        {"\nexams = /a.vorn-exam\n", std::nullopt, "ред 2: очаква се „exam = ФАЙЛ“"},
        {"/srv/e/7b.vorn-exam\n", std::nullopt, "ред 1: очаква се"},
        {"exam = /\xff.vorn-exam\n", std::nullopt, "не е в UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ParseKioskConfig(QByteArray(c.text));
        if (c.exam) {
            ASSERT_TRUE(std::holds_alternative<KioskExam>(read))
                << std::get<QString>(read).toStdString();
            EXPECT_EQ(std::get<KioskExam>(read), *c.exam);
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(read));
            EXPECT_TRUE(std::get<QString>(read).contains(QString::fromUtf8(c.says)))
                << std::get<QString>(read).toStdString();
        }
    }
}

TEST(KioskConfig, TheFileIsTheSystemsUnlessTheEnvironmentNamesAnotherAndItsProblemNamesIt) {
    const QByteArray kept = qgetenv("VORN_EXAM_CONF");
    const struct {
        const char* set;
        const char* path;
    } cases[] = {{nullptr, "/etc/vorn-player/exam.conf"},
                 {"", "/etc/vorn-player/exam.conf"},
                 {"/tmp/lab.conf", "/tmp/lab.conf"}};
    for (const auto& c : cases) {
        if (c.set)
            qputenv("VORN_EXAM_CONF", c.set);
        else
            qunsetenv("VORN_EXAM_CONF");
        EXPECT_EQ(KioskConfigPath(), QString::fromUtf8(c.path));
    }
    qputenv("VORN_EXAM_CONF", kept);
    if (kept.isNull()) qunsetenv("VORN_EXAM_CONF");

    const QTemporaryDir dir;
    const auto missing = ReadKioskConfig(dir.filePath("exam.conf"));
    ASSERT_TRUE(std::holds_alternative<QString>(missing));
    EXPECT_EQ(std::get<QString>(missing),
              QStringLiteral("настройката на изпитната сесия „%1“: файлът не съществува.")
                  .arg(dir.filePath("exam.conf")));
}
