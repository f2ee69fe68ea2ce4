// Records that contradict themselves, each a single edit of one a run could
// have written: questions 1 right, 2 wrong, 3 open, and the copy of 1 right,
// so 2 of 4 = 50 %.

#include "record/record_consistency.h"

#include "support/qt_printers.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

AnswerRecord AnswerOf(int number, const char* chosen, bool right) {
    return {.number = number,
            .chosen = chosen ? std::optional<QString>(chosen) : std::nullopt,
            .key = QStringLiteral("k%1").arg(number),
            .right = right,
            .id = {}};
}

ResultRecord Honest() {
    ResultRecord record;
    record.grade = {.score = 2, .total = 4, .percent = 50, .verdict = {}};
    record.questions = {AnswerOf(1, "k1", true), AnswerOf(2, "x", false),
                        AnswerOf(3, nullptr, false)};
    record.check = AnswerOf(1, "k1", true);
    return record;
}

// The record renumbered as a run that drew `numbers` from a pool.
void Drawn(ResultRecord& record, int pool, const std::vector<int>& numbers, int copy) {
    record.pool = pool;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        record.questions.changed(i).number = numbers[i];
    record.check->number = copy;
}

} // namespace

TEST(RecordConsistency, ARecordIsCountedOnlyWhenItAgreesWithItself) {
    const struct {
        const char* edit;
        std::function<void(ResultRecord&)> apply;
        std::optional<QString> why;
    } cases[] = {
        {"none", [](ResultRecord&) {}, std::nullopt},
        {"no copy, 1 of 3",
         [](ResultRecord& r) {
             r.check.reset();
             r.grade = {.score = 1, .total = 3, .percent = 33, .verdict = {}};
         },
         std::nullopt},
        {"question 3 as 2", [](ResultRecord& r) { r.questions.changed(2).number = 2; },
         "въпрос 2 е записан повече от веднъж"},
        {"question 3 as 7", [](ResultRecord& r) { r.questions.changed(2).number = 7; },
         "въпрос 7 не е от теста, чиито въпроси са 3"},
        {"copy of 2", [](ResultRecord& r) { r.check->number = 2; },
         "копието за проверка е на въпрос 2, а не на 1"},
        {"wrong answer judged right", [](ResultRecord& r) { r.questions.changed(1).right = true; },
         "преценката на въпрос 2 не отговаря на избрания отговор"},
        {"copy dropped", [](ResultRecord& r) { r.check.reset(); },
         "общо 4, а записаните въпроси са 3"},
        {"score 0", [](ResultRecord& r) { r.grade.score = 0; },
         "верни 0, а отбелязаните като верни са 2"},
        {"100 %", [](ResultRecord& r) { r.grade.percent = 100; }, "100 %, а 2 от 4 е 50 %"},
        {"drawn from a pool of 9 as 4, 6, 8, the copy of 4",
         [](ResultRecord& r) {
             Drawn(r, 9, {4, 6, 8}, 4);
         },
         std::nullopt},
        {"drawn, the copy of 6",
         [](ResultRecord& r) {
             Drawn(r, 9, {4, 6, 8}, 6);
         },
         "копието за проверка е на въпрос 6, а не на 4"},
        {"drawn beyond the pool",
         [](ResultRecord& r) {
             Drawn(r, 7, {4, 6, 8}, 4);
         },
         "въпрос 8 не е от теста, чиито въпроси са 7"},
        {"a pool smaller than the draw",
         [](ResultRecord& r) {
             Drawn(r, 2, {1, 2, 3}, 1);
         },
         "въпросите са 3, а банката има 2"},
        {"no questions",
         [](ResultRecord& r) {
             r.questions.clear();
             r.check.reset();
         },
         "няма нито един въпрос"},
        // Texts no window or bank writes, which would fill the report's memory.
        {"a name of 80 letters",
         [](ResultRecord& r) {
             r.student = Student{QString(80, u'я'), "7б", ""};
         },
         std::nullopt},
        {"a name of 81 letters",
         [](ResultRecord& r) {
             r.student = Student{QString(81, u'я'), "7б", ""};
         },
         "името на ученика: повече от 80 знака"},
        {"a class of 81 letters",
         [](ResultRecord& r) {
             r.student = Student{"Иван", QString(81, u'б'), ""};
         },
         "класът: повече от 80 знака"},
        {"a title of 2001 letters", [](ResultRecord& r) { r.bankTitle = QString(2001, u'т'); },
         "заглавието на теста: повече от 2000 знака"},
        {"a wrong answer of 2001 letters",
         [](ResultRecord& r) { r.questions.changed(1).chosen = QString(2001, u'x'); },
         "отговор на въпрос 2: повече от 2000 знака"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        ResultRecord record = Honest();
        c.apply(record);
        EXPECT_EQ(RecordInconsistency(record), c.why);
    }
}
