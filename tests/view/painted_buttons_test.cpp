// Buttons as the examinee sees them: each face in its own colour in every
// state, a visible focus frame, and captions that stay legible in review,
// where every option button is disabled.

#include "support/test_banks.h"
#include "view/contrast.h"
#include "view/form_view.h"
#include "view/painted_buttons.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

QColor MostFrequentColour(const QImage& image) {
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > most) best = it.key(), most = it.value();
    return QColor(best);
}

// The caption's ink: the pixel that stands out most from the face.
double CaptionContrast(const QImage& image, const QColor& face) {
    double best = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, ContrastRatio(QColor(image.pixel(x, y)), face));
    return best;
}

struct PaintedWindow {
    std::unique_ptr<test::Run> run = test::StartRun(
        test::MakeBank({.questions = 4, .check = CheckMode::Off}), test::StepThenIdentity(0.3f, 4));
    MainForm& form = *run->form;
    FormView view{form};
    PaintedWindow() {
        view.show();
        QApplication::processEvents();
    }
    QWidget* widget(const QString& name) const { return view.widgetFor(name); }
    QImage image(const QString& name) const { return widget(name)->grab().toImage(); }
};

} // namespace

TEST(Contrast, RatiosOfKnownPairs) {
    // Reference values from the WCAG 2 definition of relative luminance.
    const struct {
        QColor a, b;
        double ratio;
    } cases[] = {{Qt::black, Qt::white, 21.0},
                 {Qt::white, Qt::white, 1.0},
                 {Qt::black, QColor(255, 0, 0), 5.25},
                 {Qt::black, QColor(0, 255, 0), 15.3},
                 {Qt::white, QColor(0, 0, 255), 8.59}};
    for (const auto& c : cases)
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01) << c.a.name().toStdString();
    EXPECT_EQ(InkOn(QColor(192, 64, 0)), QColor(Qt::white));
    EXPECT_EQ(InkOn(QColor(255, 128, 0)), QColor(Qt::black));
}

TEST(PaintedButtons, FaceIsTheButtonsOwnColourInEveryState) {
    PaintedWindow w;
    const struct {
        const char* name;
        QColor face;
    } buttons[] = {{"Command1(0)", QColor(255, 128, 0)},
                   {"Command1(1)", QColor(192, 64, 0)},
                   {"Command2(0)", QColor(128, 128, 255)}};
    QApplication::setActiveWindow(&w.view);
    for (const auto& b : buttons) {
        auto* button = dynamic_cast<FlatButton*>(w.widget(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        button->clearFocus();
        const QImage plain = button->grab().toImage();
        EXPECT_EQ(MostFrequentColour(plain), b.face) << b.name;

        button->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(button->hasFocus()) << b.name;
        const QImage focused = button->grab().toImage();
        EXPECT_EQ(MostFrequentColour(focused), b.face) << b.name << " focused";
        EXPECT_NE(focused, plain) << b.name << ": the focus frame shows";

        button->setDown(true);
        EXPECT_EQ(MostFrequentColour(button->grab().toImage()), b.face) << b.name << " pressed";
        button->setDown(false);
        button->setEnabled(false);
        const QImage disabled = button->grab().toImage();
        EXPECT_EQ(MostFrequentColour(disabled), b.face) << b.name << " disabled";
        EXPECT_GE(CaptionContrast(disabled, b.face), 4.5) << b.name << " disabled";
        button->setEnabled(true);
    }
}

TEST(PaintedButtons, ReviewCaptionsReadWellOnGreenRedAndLightBlue) {
    PaintedWindow w;
    test::AnswerWrong(w.form); // position 0: its chosen option red, the right one green
    const QImage enabledOption = w.image("Option1(0)");
    w.form.grade();
    w.view.refresh();

    QList<QColor> faces;
    for (int i = 0; i <= 3; ++i) {
        const QString name = QStringLiteral("Option1(%1)").arg(i);
        ASSERT_FALSE(w.widget(name)->isEnabled());
        const QImage image = w.image(name);
        const QColor face = MostFrequentColour(image);
        faces.append(face);
        EXPECT_GE(CaptionContrast(image, face), 4.5) << name.toStdString();
    }
    EXPECT_TRUE(faces.contains(QColor(255, 0, 0)) && faces.contains(QColor(0, 255, 0)) &&
                faces.contains(QColor(192, 192, 255)))
        << "red, green and light blue all measured";
    const QImage grading = w.image("Command2(0)");
    EXPECT_GE(CaptionContrast(grading, MostFrequentColour(grading)), 4.5) << "greyed Оценяване";

    // The disabled state shows in the mark, not in the caption.
    auto* option = dynamic_cast<FlatOptionButton*>(w.widget("Option1(0)"));
    const QRect mark = option->markRect();
    const QImage disabledOption = w.image("Option1(0)");
    EXPECT_NE(enabledOption.copy(mark), disabledOption.copy(mark));
}
