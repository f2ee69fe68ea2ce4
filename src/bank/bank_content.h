#pragma once
// A question bank as plain values: what an author writes. The shipped test is
// one BankContent; a file loader can produce another. The main form starts its
// attempts from it.

#include "bank_settings.h"
#include "platform/picture.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vorn {

struct Question {
    QString text;
    QStringList options;     // 2 to 5, in stored order
    QString key;             // the exact text of the correct option
    QStringList explanation; // one line per item
    Picture picture;         // empty: no picture; equal when it is the same picture object
    QString id;              // the author's stable name for it; empty: its number in the bank
    // Empty, or one per option: where one is set, that option is the picture,
    // and its text in `options` (and so the key) names it (option_picture.h).
    std::vector<Picture> optionPictures;

    bool operator==(const Question&) const = default;
};

struct BankContent {
    BankSettings settings;
    std::vector<Question> questions;
    QString authorNote;
    QString publisher; // the publisher's web address, before the window's caption; empty: none
    // How many questions each run draws from `questions`, a pool; none: a run
    // asks them all.
    std::optional<int> draw;
};

} // namespace vorn
