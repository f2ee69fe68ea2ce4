// A question as a printed variant sets it: here, options that are pictures.

#include "print/question_block.h"
#include "support/pictures.h"
#include "support/test_banks.h"

#include <QImage>
#include <QUrl>
#include <gtest/gtest.h>

using namespace vorn;

// Caught: a picture option printed as its file's name, or left blank; and one
// whose picture does not decode printed blank instead of by its name.
TEST(QuestionBlock, APictureOptionPrintsItsPictureItsNameOnlyWhereItDoesNotDecode) {
    BankContent bank = test::MakeBank({.questions = 3, .check = CheckMode::Off});
    Question& question = bank.questions[0];
    question.options[1] = QStringLiteral("b.png");
    question.options[2] = QStringLiteral("c.png");
    question.optionPictures = {nullptr, MakePicture(test::EncodedImage(30, 20, "PNG")),
                               MakePicture("not a picture"), nullptr};
    const auto run = test::StartRun(bank, test::StepThenIdentity(0.0f, 3));
    const Attempt& attempt = run->form->attempt();
    int position = 0;
    while (attempt.questionAt(position) != 0)
        ++position;
    QImage device(600, 800, QImage::Format_RGB32);
    const auto document = QuestionBlock(attempt, position, device, 500);
    const QImage printed =
        document->resource(QTextDocument::ImageResource, QUrl("vorn-picture:option-1"))
            .value<QImage>();
    EXPECT_EQ(printed.size(), QSize(30, 20));
    const QString text = document->toPlainText();
    EXPECT_FALSE(text.contains(QStringLiteral("b.png"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("C) c.png"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("B) ") + QChar(QChar::ObjectReplacementCharacter)));
}
