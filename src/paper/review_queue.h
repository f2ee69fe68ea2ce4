#pragma once
// Going through what a scan left open, one row at a time: the sheets' open
// rows, a blank sheet's number, then the pages that are no sheet (which can
// only be passed over). The window shows the current item and hands the
// teacher's keys and clicks here.

#include "open_sheet.h"

#include <vector>

namespace vorn {

struct ReviewItem {
    enum class Kind { Row, Number, Page };
    Kind kind = Kind::Row;
    int index = 0;   // the sheet's (Row, Number) or the page's (Page)
    int row = 0;     // Row: the position
    int options = 0; // Row: its bubbles
    bool decided = false;
};

class ReviewQueue {
public:
    // `optionCounts`: per sheet, per position, its bubbles.
    ReviewQueue(std::vector<OpenSheet> sheets, const std::vector<std::vector<int>>& optionCounts,
                int pages);

    int count() const { return static_cast<int>(items_.size()); }
    int position() const { return current_; }
    bool finished() const { return current_ >= count(); }
    const ReviewItem& current() const { return items_.at(static_cast<std::size_t>(current_)); }
    const OpenSheet& sheet(int index) const { return sheets_.at(static_cast<std::size_t>(index)); }

    // The current row answered with `slot` (none: no answer); false, and no
    // move, when the row has no such bubble or the item is no row.
    bool decide(std::optional<int> slot);
    // The current blank sheet's class number, 1 to 99.
    bool decideNumber(int number);
    // A page passed over.
    bool pass();
    void forward();
    void back();

    // The sheets every row of which is decided, and the rest.
    std::vector<OpenSheet> decided() const;
    std::vector<OpenSheet> open() const;

private:
    void decideAndMove();

    std::vector<OpenSheet> sheets_;
    std::vector<ReviewItem> items_;
    int current_ = 0;
};

} // namespace vorn
