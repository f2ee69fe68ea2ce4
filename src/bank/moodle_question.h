#pragma once
// One <question> of a Moodle XML file as read, and the question it makes.
// Only multiple choice with one right answer is played: the other types,
// several right answers, partial weights and more than five answers are
// skipped with a warning; penalties for wrong answers are ignored with one. A picture that cannot
// be shown stops the bank; the question shows the first picture of its text, and any other picture
// of its texts is left out with a warning. An answer whose text is only one picture is that
// picture (option_picture.h); where that picture cannot be shown the answer stays empty, which the
// checks every bank takes refuse, and a warning says why.

#include "bank_content.h"
#include "bank_issue.h"

#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace vorn::moodle {

// A text element (<questiontext>, <feedback>, ...): its <text>, its format
// attribute (empty when absent) and the files it carries, base64 text by
// path and name ("/" + "a.png").
struct RichText {
    QString text;
    QString format;
    std::map<QString, QString> files;
};

struct Answer {
    QString fraction; // as written; Moodle reads a missing one as 0
    RichText text;
    RichText feedback;
};

struct XmlQuestion {
    QString type;
    int line = 0;
    RichText questionText;
    RichText generalFeedback;
    QString single = QStringLiteral("true"); // Moodle's default when absent
    QString imageName;                       // the <image> and <image_base64> of old exports
    QString imageBase64;
    std::vector<Answer> answers;
};

// A question to play, or none; with it, warnings (a skipped question, a
// picture the player cannot show or leaves out) or an error. Issues name the
// line of the <question>; the caller numbers them.
struct MadeQuestion {
    std::optional<Question> question;
    std::vector<BankIssue> issues;
};

MadeQuestion MakeQuestion(const XmlQuestion& read);

} // namespace vorn::moodle
