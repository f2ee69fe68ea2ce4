// Reading a teacher's class list: what a spreadsheet or an editor saves,
// and a clear line-numbered refusal of what is not a list.

#include "record/class_list.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

using Students = std::vector<Student>;

Student S(const char* number, const char* name, const char* className) {
    return {QString::fromUtf8(name), QString::fromUtf8(className), QString::fromUtf8(number)};
}

// Catches: a separator, line end, BOM or header read as part of a name
// (a student named "\uFEFF1" or a sheet for "номер"), the list's order lost,
// a student without a number refused.
TEST(ClassList, ReadsTheWaysAListIsSaved) {
    const struct {
        const char* name;
        QByteArray bytes;
        Students students;
    } cases[] = {
        {"semicolons",
         "1;Иван Петров;7б\n2;Мария Иванова;7б\n",
         {S("1", "Иван Петров", "7б"), S("2", "Мария Иванова", "7б")}},
        {"tabs, CRLF, BOM, header",
         "\xEF\xBB\xBFномер\tиме\tклас\r\n3\tАна Колева\t8а\r\n",
         {S("3", "Ана Колева", "8а")}},
        {"commas, blanks trimmed, blank lines",
         "\n 12 , Петър Стоянов , 7в \n\n5,Ива Ненова,7в",
         {S("12", "Петър Стоянов", "7в"), S("5", "Ива Ненова", "7в")}},
        {"no number", ";Георги Димов;6а\n", {S("", "Георги Димов", "6а")}},
        {"namesakes with their own numbers",
         "1;Иван Петров;7б\n2;иван  петров;7Б\n",
         {S("1", "Иван Петров", "7б"), S("2", "иван  петров", "7Б")}},
    };
    for (const auto& c : cases) {
        const auto read = ReadClassList(c.bytes);
        ASSERT_TRUE(std::holds_alternative<ClassList>(read))
            << c.name << ": " << std::get<QStringList>(read).join(" | ").toStdString();
        EXPECT_EQ(std::get<ClassList>(read).students, c.students) << c.name;
        EXPECT_EQ(std::get<ClassList>(read).warning, QString()) << c.name;
    }
}

// Catches: a bad line skipped silently (a student without a sheet), a
// problem reported without its line or with the line counted wrong, one
// number given to two students of a class (two students taken for one), a
// list in another encoding printed as mojibake.
TEST(ClassList, RefusesBadLinesNamingThem) {
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList problems;
    } cases[] = {
        {"two fields, then a bad number",
         "номер;име;клас\n1;Иван Петров\n\n2;Мария;7б\nx1;Ана;7б\n",
         {"ред 2: очакват се три полета „номер;име;клас“, а има 2.",
          "ред 5: номерът „x1“ не е цяло число от 1 до 99."}},
        {"number out of the bubbles' range",
         "100;Иван;7б\n",
         {"ред 1: номерът „100“ не е цяло число от 1 до 99."}},
        {"no class", "4;Иван Петров;  \n", {"ред 1: Попълнете „Клас“."}},
        {"the same student twice, without numbers",
         ";Иван Петров;7б\n;иван  петров;7Б\n",
         {"ред 2: ученикът вече е в списъка на ред 1."}},
        {"one number twice in a class, whatever its spelling",
         "3;Ана Колева;7б\n3;Ива Ненова;7Б\n3;Ели Иванова;7в\n",
         {"ред 2: номер 3 в клас 7Б вече е на ред 1."}},
        {"nobody", "номер;име;клас\n\n", {"в списъка няма нито един ученик."}},
        {"Latin-1, which is not guessed",
         "1;Ren\xE9 Dubois;7b\n",
         {"списъкът не е в UTF-8; запишете го отново като „CSV UTF-8“ или „Текст в Unicode "
          "(UTF-8)“"}},
    };
    for (const auto& c : cases) {
        const auto read = ReadClassList(c.bytes);
        ASSERT_TRUE(std::holds_alternative<QStringList>(read)) << c.name;
        EXPECT_EQ(std::get<QStringList>(read), c.problems) << c.name;
    }
}

// Catches: a list saved by Notepad or Excel in windows-1251 refused (a lab
// cannot start) or read as mojibake, or read without saying so.
TEST(ClassList, ReadsWindows1251WithAWarning) {
    // "1;Иван Петров;7б" and "2;Мария Иванова;7б" in windows-1251, byte by
    // byte from its code table (И C8, в E2, а E0, н ED, П CF, е E5, т F2, р F0,
    // о EE, б E1, М CC, и E8, я FF).
    const QByteArray bytes = "1;\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2;7\xE1\r\n"
                             "2;\xCC\xE0\xF0\xE8\xFF \xC8\xE2\xE0\xED\xEE\xE2\xE0;7\xE1\r\n";
    const auto read = ReadClassList(bytes);
    ASSERT_TRUE(std::holds_alternative<ClassList>(read))
        << std::get<QStringList>(read).join(" | ").toStdString();
    const ClassList& list = std::get<ClassList>(read);
    EXPECT_EQ(list.students,
              (Students{S("1", "Иван Петров", "7б"), S("2", "Мария Иванова", "7б")}));
    EXPECT_TRUE(list.warning.contains("windows-1251")) << list.warning.toStdString();
}

} // namespace
} // namespace vorn
