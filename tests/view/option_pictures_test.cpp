// An option that is a picture, in the window: fitted whole into the option's
// box, which keeps the design's size; opened large by a click or Enter; the
// option still chosen by its key; its name told to screen readers.

#include "record/run_record.h"
#include "support/pictures.h"
#include "support/shown_view.h"
#include "view/enlarged_picture.h"
#include "view/picture_area.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorn;

namespace {

// Every question's option 2 is the picture "b.png"; position 0 shows it in slot 1.
struct PictureOptions : test::ShownView {
    explicit PictureOptions(const QByteArray& encoded)
        : ShownView(WithPictureOption(encoded)), box(widget("Text2(2)")),
          area(static_cast<PictureArea*>(widget("OptionPicture(1)"))) {}

    static BankContent WithPictureOption(const QByteArray& encoded) {
        BankContent bank = test::MakeBank({.questions = 5, .check = CheckMode::Off});
        for (Question& question : bank.questions) {
            question.options[1] = QStringLiteral("b.png");
            question.optionPictures = {nullptr, MakePicture(encoded), nullptr, nullptr};
        }
        return bank;
    }

    // The view a click or a key opened, closed again; null if none opened.
    bool opensLarge(const std::function<void()>& act) {
        act();
        const QPointer<QWidget> shown = QApplication::activeModalWidget();
        if (!dynamic_cast<EnlargedPicture*>(shown.data())) return false;
        QTest::keyClick(shown.data(), Qt::Key_Escape);
        return QTest::qWaitFor([&] { return shown.isNull(); }, 2000);
    }

    QWidget* box;
    PictureArea* area;
};

} // namespace

// Caught: a picture drawn beyond its box or over its neighbours, squeezed out
// of shape, a small one blown up blurred, a box grown or shrunk for it, and a
// picture shown in a text option's box.
TEST(OptionPictures, APictureFitsItsBoxWholeKeepingItsShape) {
    const struct {
        QSize picture;
        bool fills; // larger than the box: made smaller until one side fits
    } cases[] = {{{300, 200}, true}, {{20, 400}, true}, {{20, 10}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture.width());
        PictureOptions s(test::EncodedImage(c.picture.width(), c.picture.height(), "PNG"));
        ASSERT_TRUE(s.area && s.area->isVisible());
        EXPECT_FALSE(s.widget("OptionPicture(0)")->isVisible());
        EXPECT_EQ(s.box->size(), s.widget("Text2(1)")->size()) << "the design's box";
        EXPECT_TRUE(s.box->rect().contains(s.area->geometry()));
        const QSize shown = s.area->pixmap().size();
        const QSize room = s.area->size();
        EXPECT_TRUE(shown.width() <= room.width() && shown.height() <= room.height());
        if (!c.fills) {
            EXPECT_EQ(shown, c.picture);
            continue;
        }
        EXPECT_TRUE(shown.width() == room.width() || shown.height() == room.height());
        // The shape within a pixel's rounding: w/h as the picture's.
        EXPECT_LE(std::abs(shown.width() * c.picture.height() - shown.height() * c.picture.width()),
                  std::max(c.picture.width(), c.picture.height()));
    }
}

// Caught: a picture option that cannot be opened large, a click on it that
// chooses the option, an option no longer chosen by its key, no name for
// screen readers, and a record that cannot tell which picture was chosen.
TEST(OptionPictures, OpensLargeByClickOrEnterAndIsChosenByItsKey) {
    PictureOptions s(test::EncodedImage(300, 200, "PNG"));
    EXPECT_TRUE(s.opensLarge([&] { QTest::mouseClick(s.area, Qt::LeftButton); }));
    EXPECT_TRUE(s.opensLarge([&] {
        s.box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(s.box, Qt::Key_Return);
    }));
    EXPECT_FALSE(s.opensLarge([&] {
        s.widget("Text2(1)")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(s.widget("Text2(1)"), Qt::Key_Return);
    })) << "a text option's box opens nothing";
    EXPECT_EQ(s.form.attempt().chosenSlot(0), std::nullopt);
    QTest::keyClick(s.box, Qt::Key_2);
    EXPECT_EQ(s.form.attempt().chosenSlot(0), 1);
    EXPECT_EQ(s.area->accessibleName(), QStringLiteral("b.png"));
    EXPECT_EQ(RecordOfRun(s.form.attempt(), {}).questions[3].chosen, QStringLiteral("b.png"));
}
