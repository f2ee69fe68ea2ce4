#pragma once
// What a bank may take of the machine's memory while it is checked or played:
// its text, every picture's file bytes (kept for the whole run) and the
// largest picture once decoded (pictures are decoded one at a time, when
// shown). Counted from file sizes and the pictures' declared sizes, before
// anything is decoded, so that a bank too large is refused by name instead of
// slowing down or stopping a lab machine that runs a desktop and a browser
// beside the test.

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace vorn {

// Well below what the older machines of a school lab (2 to 4 GiB, shared with
// the desktop and a browser) can spare; about 120 pictures at the file cap.
constexpr qint64 kBankMemoryBudget = 256 * 1024 * 1024;

class BankMemory {
public:
    // textBytes: the bank file's size; its text is held as UTF-16, two bytes a
    // character at most for each byte of UTF-8.
    explicit BankMemory(qint64 textBytes, qint64 budget = kBankMemoryBudget);

    // Whether a picture of this many file bytes that declares this size
    // still fits beside what is held; if it does, it is counted as held.
    bool hold(qint64 fileBytes, QSize declared);
    qint64 held() const;
    qint64 budget() const { return budget_; }

private:
    qint64 budget_;
    qint64 text_;
    qint64 files_ = 0;
    qint64 largestDecoded_ = 0;
};

// Why the picture of this name is refused: the bank would take more than its
// budget.
QString OverMemoryBudget(const QString& name, const BankMemory& memory);

} // namespace vorn
