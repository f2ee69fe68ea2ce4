// The real window on the offscreen platform: every widget mirrors its control,
// the menu, caption, tab order, font, icon and the first rendered frame.

#include "support/each_control.h"
#include "support/pictures.h"
#include "support/test_banks.h"
#include "view/form_view.h"
#include "view/icon.h"
#include "view/picture_area.h"

#include <QApplication>
#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// The view's own tests set controls directly, to states no run reaches (every
// button shown at once) or to pictures made here.
FormControls& Model(MainForm& form) {
    return const_cast<FormControls&>(form.controls());
}

struct Window {
    std::unique_ptr<test::Run> run =
        test::StartRun(test::MakeBank(), test::StepThenIdentity(0.0f, 21));
    MainForm& form = *run->form;
    FormView view{form};

    Window() {
        view.show();
        QApplication::processEvents();
    }
    template <typename W = QWidget> W* widget(const QString& name) const {
        auto* w = qobject_cast<W*>(view.widgetFor(name));
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
};

struct Expected {
    QString name;
    const Control* control;
};

std::vector<Expected> AllControls(const MainForm& f) {
    std::vector<Expected> all;
    test::EachControl(f.controls(), [&all](const Control& c) { all.push_back({c.Name, &c}); });
    return all;
}

QColor ToQt(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace

TEST(FormView, EveryWidgetStandsWhereItsControlSays) {
    Window w;
    for (const Expected& e : AllControls(w.form)) {
        QWidget* widget = w.widget(e.name);
        ASSERT_NE(widget, nullptr);
        const Control& c = *e.control;
        const int left = FormView::Px(c.Left);
        const int top = FormView::Px(c.Top);
        EXPECT_EQ(widget->geometry(), QRect(left, top, FormView::Px(c.Left + c.Width) - left,
                                            FormView::Px(c.Top + c.Height) - top))
            << e.name.toStdString();
        EXPECT_EQ(widget->isHidden(), !c.Visible) << e.name.toStdString();
        EXPECT_EQ(widget->isEnabled(), c.Enabled) << e.name.toStdString();
    }
    EXPECT_EQ(w.widget("Option1(4)")->parentWidget(), w.widget("Frame1"));
    EXPECT_EQ(w.widget("Option1(4)")->geometry(), QRect(664, 8, 40, 19));
    EXPECT_EQ(w.widget("Text2(5)")->geometry(), QRect(688, 88, 36, 67));
    EXPECT_EQ(w.view.canvas()->size(), QSize(727, 463));
    EXPECT_EQ(w.view.minimumSize(), w.view.maximumSize()) << "a fixed-size window";
    EXPECT_EQ(w.view.canvas()->y(), w.view.menuBar()->height()) << "client area below the menu";
    EXPECT_FALSE(w.view.windowFlags() & ::Qt::WindowMaximizeButtonHint) << "nothing to maximise";
}

TEST(FormView, TextsCaptionsAndColoursMirrorTheModel) {
    Window w;
    const MainForm& f = w.form;
    EXPECT_EQ(w.widget<QLabel>("Label1(0)")->text(),
              QStringLiteral("ВОРН по Геометрия - успоредник"));
    EXPECT_EQ(w.widget<QLabel>("Label1(2)")->text(), QStringLiteral("Въведени отговори: 0/21"));
    EXPECT_EQ(w.widget<QPushButton>("Command1(0)")->text(), QStringLiteral("Напред"));
    EXPECT_EQ(w.widget<QRadioButton>("Option1(2)")->text(), QStringLiteral("Отговор C"));
    EXPECT_EQ(w.widget<QPlainTextEdit>("Text2(0)")->toPlainText(), f.controls().questionText.Text);

    // Line ends are "\r\n" in the model and plain breaks on screen.
    const QString help = w.widget<QPlainTextEdit>("Text1(0)")->toPlainText();
    EXPECT_FALSE(help.contains(u'\r'));
    EXPECT_EQ(
        help,
        QString(f.controls().infoBox.Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    EXPECT_EQ(w.widget("Label1(0)")->palette().color(QPalette::Window), QColor(255, 192, 128));
    EXPECT_EQ(w.widget("Command1(1)")->palette().color(QPalette::Button), QColor(192, 64, 0));
    EXPECT_EQ(w.widget("Frame1")->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(w.widget("Option1(0)")->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(w.widget("Picture1")->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(w.view.canvas()->palette().color(QPalette::Window), QColor(192, 192, 255));
    for (const char* name : {"Shape1(0)", "Shape1(1)", "Shape2(0)", "Shape2(1)"}) {
        const Progress& p = f.controls().progress;
        const Bar& bar = name[5] == '1' ? p.positionBar : p.answeredBar;
        const Control& c = name[7] == '0' ? bar.passed : bar.rest;
        EXPECT_EQ(w.widget(name)->palette().color(QPalette::Window), ToQt(c.BackColor)) << name;
    }
}

TEST(FormView, TextBoxesAreReadOnlyWithAVerticalScrollBar) {
    Window w;
    for (int i = 0; i <= 6; ++i) {
        auto* box = w.widget<QPlainTextEdit>(QStringLiteral("Text2(%1)").arg(i));
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(box->verticalScrollBarPolicy(), ::Qt::ScrollBarAlwaysOn);
    }
    EXPECT_TRUE(w.widget<QPlainTextEdit>("Text1(0)")->isReadOnly());
}

TEST(FormView, MenuCaptionAndIcon) {
    Window w;
    QStringList menu;
    QList<QKeySequence> mnemonics;
    for (const QAction* a : w.view.menuBar()->actions()) {
        menu.append(QString(a->text()).remove(u'&'));
        mnemonics.append(QKeySequence::mnemonic(a->text()));
    }
    EXPECT_EQ(menu, (QStringList{"Изход", "Автор"}));
    EXPECT_EQ(mnemonics, (QList<QKeySequence>{QKeySequence(::Qt::ALT | ::Qt::Key(0x418)),
                                              QKeySequence(::Qt::ALT | ::Qt::Key(0x410))}))
        << "Alt+И and Alt+А";
    EXPECT_EQ(w.view.windowTitle(), QStringLiteral("ВОРН - Сорвелин"))
        << "no publisher, no address";
    const QList<QSize> sizes = w.view.windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    for (const int size : {16, 32}) {
        const QImage image = IconImage(size);
        QSet<QRgb> colours;
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(image.pixel(x, y)) == 255) {
                    colours.insert(image.pixel(x, y));
                    ++opaque;
                }
        EXPECT_LE(colours.size(), 16) << size;
        EXPECT_GE(colours.size(), 3) << "a drawing, not a blank";
        EXPECT_GT(opaque, size * size / 4);
    }
}

TEST(FormView, TabOrderFollowsTheDesign) {
    Window w;
    for (int i = 0; i <= 4; ++i)
        Model(w.form).options.buttons(i).Visible = true;
    for (CommandButton* button : {&Model(w.form).gradeButton, &Model(w.form).moves.reviewForward,
                                  &Model(w.form).moves.reviewBack})
        button->Visible = true;
    Model(w.form).options.texts(4).Visible = true;
    Model(w.form).phraseText.Visible = true;
    w.view.refresh();
    const QStringList expected{
        "Text1(0)",    "Text2(0)",    "Text2(1)",    "Text2(2)",    "Text2(3)",   "Text2(4)",
        "Text2(6)",    "Option1(0)",  "Option1(1)",  "Option1(2)",  "Option1(3)", "Command1(0)",
        "Command1(1)", "Command2(0)", "Command2(1)", "Command2(2)", "Text2(5)",   "Option1(4)"};
    QWidget* first = w.widget(expected.front());
    QStringList order;
    QWidget* next = first;
    do {
        if (next->isVisibleTo(&w.view) && next->focusPolicy() & ::Qt::TabFocus &&
            !next->objectName().isEmpty() && next->objectName() != "MainForm")
            order.append(next->objectName());
        next = next->nextInFocusChain();
    } while (next != first && order.size() < 40);
    EXPECT_EQ(order, expected);
}

TEST(FormView, FontIsTimesNewRomanOrItsMetricTwinWithCyrillic) {
    Window w;
    const QFont font = w.widget("Text2(0)")->font();
    EXPECT_EQ(font.pointSize(), 12);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
        << family.toStdString();
    const QFontMetrics metrics(font);
    for (const QChar c : QStringLiteral("ВОРНЖщъюяЁ°"))
        EXPECT_TRUE(metrics.inFont(c)) << int(c.unicode());
}

TEST(FormView, FirstFrameShowsIndicatorBarsBackgroundAndTitle) {
    Window w;
    const QImage frame = w.view.canvas()->grab().toImage();
    const auto at = [&](int x, int y) { return QColor(frame.pixel(x, y)); };
    ASSERT_EQ(frame.size(), QSize(727, 463));
    // Answered indicator, red: 2400..8535 x 2880..3080 twips.
    EXPECT_EQ(at(300, 197), QColor(255, 0, 0));
    // Position bar: passed green from x = 16 to 19, ahead cyan to 702.
    EXPECT_EQ(at(17, 255), QColor(0, 255, 0));
    EXPECT_EQ(at(400, 255), QColor(0, 255, 255));
    EXPECT_EQ(at(700, 255), QColor(0, 255, 255));
    // Answered bar: orange, then yellow.
    EXPECT_EQ(at(17, 275), QColor(255, 128, 0));
    EXPECT_EQ(at(400, 275), QColor(255, 255, 0));
    // Light-blue background right of the bars and between the rows.
    EXPECT_EQ(at(710, 255), QColor(192, 192, 255));
    EXPECT_EQ(at(100, 5), QColor(192, 192, 255));
    // The empty picture box keeps its own face colour, not the window's.
    EXPECT_EQ(at(100, 400), QApplication::palette().color(QPalette::Button));
    // The title: dark text pixels on the orange label.
    int dark = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 200; x < 577; ++x)
            dark += at(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(dark, 100);
}

TEST(FormView, QuestionPictureIsDrawnFromTheBankWholeAndCleared) {
    Window w;
    auto* box = dynamic_cast<PictureArea*>(w.view.widgetFor("Picture2"));
    ASSERT_NE(box, nullptr);
    // The area is 225 × 137 pixels: a picture that fits is shown as it is, a
    // larger one whole and smaller, its shape kept.
    const struct {
        QSize picture, shown;
    } cases[] = {
        {{100, 50}, {100, 50}},
        {{225, 137}, {225, 137}},
        {{300, 50}, {225, 37}},
        {{100, 300}, {45, 137}},
    };
    for (const auto& c : cases) {
        Model(w.form).pictureArea.Picture =
            MakePicture(test::EncodedImage(c.picture.width(), c.picture.height()));
        w.view.refresh();
        EXPECT_EQ(box->pixmap().size(), c.shown)
            << c.picture.width() << " × " << c.picture.height();
    }
    Model(w.form).pictureArea.Picture.reset();
    w.view.refresh();
    EXPECT_TRUE(box->pixmap().isNull());
}

TEST(FormView, FiveOptionsShareTheWidthAndEveryOneCanBeRead) {
    // Step 2 over 3 questions: position 0 shows question 3, with five options
    // whose texts are a word each; question 2 has four.
    BankContent bank =
        test::MakeBank({.questions = 3, .check = CheckMode::Off, .optionCounts = {4, 4, 5}});
    bank.questions[2].options = {"Пловдив", "Казанлък", "Карлово", "Габрово", "Сопот"};
    bank.questions[2].key = QStringLiteral("Сопот");
    const auto run = test::StartRun(bank, test::StepThenIdentity(0.0f, 3));
    FormView view(*run->form);
    view.show();
    QApplication::processEvents();
    const auto box = [&view](int i) { return view.widgetFor(QStringLiteral("Text2(%1)").arg(i)); };
    for (int i = 1; i <= 5; ++i) {
        const QRect r = box(i)->geometry();
        EXPECT_GE(r.width(), 100) << i;
        if (i > 1) {
            EXPECT_GT(r.left(), box(i - 1)->geometry().right()) << "boxes " << i - 1 << ", " << i;
        }
        auto* button = qobject_cast<QAbstractButton*>(
            view.widgetFor(QStringLiteral("Option1(%1)").arg(i - 1)));
        const QRect b = button->geometry().translated(view.widgetFor("Frame1")->pos());
        EXPECT_TRUE(r.left() <= b.left() && b.right() <= r.right())
            << "button " << i << " under its box";
        EXPECT_GE(b.width(), button->sizeHint().width()) << "the whole caption of button " << i;
        const QFontMetrics metrics(box(i)->font());
        EXPECT_LT(metrics.horizontalAdvance(run->form->controls().options.texts(i - 1).Text),
                  r.width() - 20)
            << "the word fits on one line of box " << i;
    }
    if (const QByteArray path = qgetenv("VORN_FIVE_OPTIONS_SHOT"); !path.isEmpty())
        view.grab().save(QString::fromLocal8Bit(path));

    run->form->forward(); // four options: the design's columns again
    view.refresh();
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(box(i)->geometry().width(), FormView::Px(2500)) << i;
}
