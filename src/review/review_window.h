#pragma once
// The window where the teacher decides what a scan left open: each open row
// cut from its scan beside the answers it may have, decided with a letter
// (A-E), 0 or Delete for no answer, the arrows and Enter to move; a page that
// is no sheet shown whole, to pass over.

#include "paper/review_queue.h"
#include "sheets_to_review.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

namespace vorn {

class ReviewWindow : public QDialog {
public:
    ReviewWindow(const ToReview& review, ReviewQueue& queue, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCurrent(); // the current item
    QImage pictureOf(const ReviewItem& item) const;
    QString textOf(const ReviewItem& item) const;
    void answer(std::optional<int> slot);
    void moved(bool ok);
    void typeDigit(QChar digit);

    const ToReview& review_;
    ReviewQueue& queue_;
    QLabel* progress_;
    QLabel* text_;
    QLabel* picture_;
    std::vector<QPushButton*> letters_;
    QPushButton* none_;
    QSpinBox* number_;
    QPushButton* confirm_;
    QPushButton* pass_;
    QString typed_; // the digits of the number typed so far
};

} // namespace vorn
