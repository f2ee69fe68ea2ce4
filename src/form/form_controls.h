#pragma once
// The controls of the main form by role, as the design lays them out
// (design.cpp, which also gives each its design name as its object name). The
// design fills them once; after that only the presenter and the form's events
// write them, and the view draws them.

#include "control_row.h"
#include "controls.h"
#include "option_group.h"
#include "shared_colors.h"

namespace vorn {

// The window itself: caption, background, client area and font.
struct WindowLook {
    QString Caption;
    Color BackColor = kNeutral;
    Twips ScaleWidth = 10905; // client area
    Twips ScaleHeight = 6945;
    QString FontName = QStringLiteral("Times New Roman");
    int FontSize = 12;
};

struct MenuCommands {
    MenuCommand exit;
    MenuCommand author;
};

// "Напред" and "Назад": one pair while the test runs, another in review.
struct MoveButtons {
    CommandButton forward;
    CommandButton back;
    CommandButton reviewForward;
    CommandButton reviewBack;
};

// The options of the question on show: a text box per slot and, inside the
// frame, the option button that chooses it.
struct OptionControls {
    ControlRow<TextBox, 5> texts;
    Frame frame;
    OptionGroup buttons{QStringLiteral("Option1"), {0, 1, 2, 3, 4}};
};

// What the indicator says beside its colour: whether the position has an
// answer while the test runs, whether it is right in review.
enum class IndicatorMark { Unanswered, Answered, Right, NotRight };

// Whether the position has an answer (in review: a right one), and its caption.
struct AnsweredIndicator {
    Label caption;
    PictureBox light;
    IndicatorMark mark = IndicatorMark::Unanswered;
};

// A bar of two segments: the part passed and the rest.
struct Bar {
    Shape passed;
    Shape rest;
};

struct Progress {
    Bar positionBar;
    Bar answeredBar;
    Label answeredCount; // "Въведени отговори: 3/21"
};

struct FormControls {
    FormControls();
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    WindowLook window;
    MenuCommands menu;
    Label titleLabel;
    MoveButtons moves;
    CommandButton gradeButton;
    TextBox questionText;
    OptionControls options;
    TextBox phraseText; // the question's sentence with the chosen option
    AnsweredIndicator indicator;
    Progress progress;
    Label checkLabel;  // the verdict of the "Тото" check
    Label resultLabel; // "Резултат: ..."
    PictureBox pictureArea;
    TextBox infoBox; // help, the author notice, in review the explanation
    TextBox hiddenNote;
    // Not of the old design: the time left of a time limit, in the free band
    // between the "Напред" buttons and the title; hidden without a limit.
    Label timeLeft;
};

// The window's caption: the publisher's web address (or the examinee) and four
// blanks where there is one, then the program's name.
QString WindowCaption(const QString& before);
// What "Автор" shows: where to find out more, or the program and its version
// where the bank names no publisher.
QString AuthorNotice(const QString& publisher);

// The texts of the information boxes at start. The help names the grade
// button `gradeButton`: "Резултат" as the shipped text always did, or the
// button's caption where the window names its buttons as labelled.
QString HelpText(const QString& gradeButton = QStringLiteral("Резултат"));
QString HiddenNote();

} // namespace vorn
