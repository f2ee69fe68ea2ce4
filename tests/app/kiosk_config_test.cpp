// The exam session's configuration. The faults caught: a file that names no
// exam, two exams, a relative path (resolved against wherever the session
// happens to start) or a key misspelt taken in part instead of refused with
// its line. (The file named by VORN_EXAM_CONF, and the message when it is
// missing, are seen in the exam session's own tests.)

#include "app/kiosk_config.h"

#include <gtest/gtest.h>

using namespace vorn;

using Kind = KioskExam::Kind;

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
