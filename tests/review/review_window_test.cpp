// The review window driven as a teacher drives it, by keys: a letter the row
// has decides it and moves on, one it has not is refused, 0/Delete is no
// answer, the arrows move, digits and Enter give a blank sheet's number and
// Enter passes a page that is no sheet. A fault records a letter the row
// does not have, decides the wrong row, or leaves the teacher stuck.

#include "paper/review_queue.h"
#include "paper/sheet_layout.h"
#include "print/sheet_painter.h"
#include "review/review_window.h"
#include "support/synthetic_marks.h"
#include "support/synthetic_random.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

OpenSheet ReviewSheet(const QString& id, bool blank, std::vector<RowMark> rows) {
    OpenSheet sheet;
    sheet.code = {QString(16, u'a'), 1, 3, id, std::nullopt};
    if (!blank) sheet.code.student = Student{"Ана Петрова", "5а", "1"};
    sheet.source = {"class.pdf", 1};
    sheet.rows = std::move(rows);
    if (blank) sheet.number = NumberMark{{}, "номерът в класа не е отбелязан"};
    return sheet;
}

void PressKey(QWidget& window, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&window, &press);
}

QString ProgressText(const QWidget& window) {
    return window.findChild<QLabel*>("progress")->text();
}

// The printed sheet with row 2's A and C filled in, as the open row shows.
QImage TwoMarked(const SheetContent& content, double dpi) {
    QImage page = RenderSheet(content, dpi);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpi / 25.4, dpi / 25.4);
    test::SyntheticRandom random(5);
    for (int letter : {0, 2})
        test::DrawMark(painter, BubbleCentre(1, letter), test::MarkKind::Filled, {0.9, 0.6},
                       random);
    return page;
}

const RowMark kTwo{{}, "две отбелязани"}, kDoubt{{}, "неясно отбелязване"};

} // namespace

TEST(ReviewWindow, KeysDecideTheOpenRowsTheNumberAndPassThePage) {
    const SheetContent content{"Т", 1, {QString(16, u'a'), 1, 3, "0badcafe-1", {}}, {2, 3, 4}};
    const double dpi = 100;
    ToReview review;
    review.sheets = {{ReviewSheet("0badcafe-1", false, {RowMark{0, {}}, kTwo, kDoubt}),
                      TwoMarked(content, dpi), dpi / 25.4},
                     {ReviewSheet("0badcafe-2", true, {kDoubt, RowMark{}}),
                      RenderSheet(content, dpi), dpi / 25.4}};
    review.pages = {
        {{"other.png", 1}, "листът е от друг тест", QImage(200, 280, QImage::Format_Grayscale8)}};
    std::vector<OpenSheet> sheets{review.sheets[0].sheet, review.sheets[1].sheet};
    ReviewQueue queue(sheets, {{2, 3, 4}, {4, 4}}, 1);
    ReviewWindow window(review, queue);
    window.show();

    EXPECT_EQ(ProgressText(window), "1 от 5");
    EXPECT_FALSE(window.findChild<QPushButton*>("letterD")->isVisibleTo(&window))
        << "row 2 has three answers";
    // For the guide: how the window looks.
    QDir().mkpath(VORN_ARTIFACTS_DIR);
    window.grab().save(VORN_ARTIFACTS_DIR "/review-window.png");

    PressKey(window, Qt::Key_D, "d");
    EXPECT_EQ(ProgressText(window), "1 от 5") << "a letter the row has not is refused";
    PressKey(window, Qt::Key_unknown, "Ц"); // the Bulgarian phonetic key of C
    EXPECT_EQ(ProgressText(window), "2 от 5");
    PressKey(window, Qt::Key_Delete);
    EXPECT_EQ(ProgressText(window), "3 от 5");
    PressKey(window, Qt::Key_Left);
    EXPECT_EQ(ProgressText(window), "2 от 5");
    PressKey(window, Qt::Key_B, "b"); // decided again: B, not no answer
    PressKey(window, Qt::Key_A, "a");
    EXPECT_EQ(ProgressText(window), "4 от 5");
    EXPECT_TRUE(window.findChild<QWidget*>("number")->isVisibleTo(&window));
    PressKey(window, Qt::Key_1, "1");
    PressKey(window, Qt::Key_7, "7");
    PressKey(window, Qt::Key_Return);
    EXPECT_EQ(ProgressText(window), "5 от 5");
    EXPECT_TRUE(window.findChild<QPushButton*>("pass")->isVisibleTo(&window));
    PressKey(window, Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted) << "through: the window closes";

    const auto decided = queue.decided();
    ASSERT_EQ(decided.size(), 2u);
    EXPECT_EQ(decided[0].answers(), (std::vector<std::optional<int>>{0, 2, 1}));
    EXPECT_EQ(decided[1].answers(), (std::vector<std::optional<int>>{0, std::nullopt}));
    EXPECT_EQ(decided[1].number->number, 17);
    EXPECT_TRUE(queue.open().empty());
}

TEST(ReviewQueue, OnlyARowsOwnLettersAndNumbersFrom1To99AreTaken) {
    ReviewQueue queue({ReviewSheet("0badcafe-1", true, {kTwo, kDoubt})}, {{2, 5}}, 0);
    ASSERT_EQ(queue.count(), 3);
    EXPECT_FALSE(queue.decide(2)) << "row 1 has A and B only";
    EXPECT_FALSE(queue.decide(-1));
    EXPECT_FALSE(queue.decideNumber(5)) << "not the number's turn";
    EXPECT_TRUE(queue.decide(1));
    EXPECT_TRUE(queue.decide(4));
    EXPECT_FALSE(queue.decide(0)) << "the number's turn";
    EXPECT_FALSE(queue.decideNumber(0));
    EXPECT_FALSE(queue.decideNumber(100));
    EXPECT_TRUE(queue.open().size() == 1 && queue.decided().empty()) << "the number is open";
    EXPECT_TRUE(queue.decideNumber(99));
    EXPECT_TRUE(queue.finished());
    ASSERT_EQ(queue.decided().size(), 1u);
    EXPECT_FALSE(queue.pass()) << "nothing left to pass";
}
