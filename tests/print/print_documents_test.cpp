// The three PDF files read back as a reader sees them: Qt PDF's text of
// each page, and its rendering of a sheet read by a QR reader.

#include "paper/sheet_layout.h"
#include "print/key_document.h"
#include "print/print_plan.h"
#include "print/sheets_document.h"
#include "print/variants_document.h"
#include "support/test_banks.h"

#include <QFile>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <memory>

namespace vorn {
namespace {

// A PDF's bytes opened by Qt PDF (from a file: that load is synchronous).
class ReadPdf {
public:
    explicit ReadPdf(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("read.pdf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
        file.close();
        error_ = document_.load(path);
    }
    bool ok() const { return error_ == QPdfDocument::Error::None; }
    int pages() const { return document_.pageCount(); }
    QString text(int page) { return document_.getAllText(page).text(); }
    QImage render(int page, double dpi) {
        return document_.render(page, (document_.pagePointSize(page) * dpi / 72).toSize())
            .convertToFormat(QImage::Format_Grayscale8);
    }

private:
    QTemporaryDir dir_;
    QPdfDocument document_;
    QPdfDocument::Error error_ = QPdfDocument::Error::Unknown;
};

// Spaces and line breaks as the PDF's text gives them do not matter.
QString Squeezed(const QString& text) {
    return text.simplified().remove(u' ');
}

PrintPlan PlanOf(const BankContent& bank, int variants, const std::vector<Student>& students = {}) {
    return PlanPrint(bank, QStringLiteral("Проба"), students, variants, 2024, 0xabcdef01);
}

// Catches: explanations printed for the students, a question or option
// left out, questions in the bank's order instead of the variant's, a
// variant that does not start on a page of its own.
TEST(PrintDocuments, VariantsHoldTheQuestionsInOrderAndNoExplanation) {
    test::BankOptions options{.questions = 12};
    const BankContent bank = test::MakeBank(options);
    const PrintPlan plan = PlanOf(bank, 2);
    ReadPdf pdf(VariantsDocument(plan));
    ASSERT_TRUE(pdf.ok());
    QStringList pages;
    for (int page = 0; page < pdf.pages(); ++page)
        pages << Squeezed(pdf.text(page));
    EXPECT_FALSE(pages.join(u' ').contains(Squeezed(QStringLiteral("Обяснение"))));
    // Each variant's pages, from the one its heading opens.
    int page = 0;
    for (const PaperVariant& variant : plan.variants) {
        ASSERT_LT(page, pages.size());
        ASSERT_TRUE(pages[page].startsWith(
            Squeezed(QStringLiteral("Проба Вариант %1").arg(variant.number))))
            << pages[page].toStdString();
        QString text;
        const int first = page;
        while (page < pages.size() && (page == first || !pages[page].startsWith(u"Проба")))
            text += pages[page++];
        qsizetype at = 0;
        for (int position = 0; position < variant.run.questionCount(); ++position) {
            const int q = variant.run.questionAt(position);
            QString expected =
                QStringLiteral("%1. %2").arg(position + 1).arg(variant.run.question(q).text);
            for (int slot = 0; slot < variant.run.optionCount(q); ++slot)
                expected += QStringLiteral("%1) %2")
                                .arg(QChar(u'A' + slot))
                                .arg(variant.run.optionText(q, slot));
            const qsizetype found = text.indexOf(Squeezed(expected), at);
            ASSERT_GE(found, 0) << variant.number << ": " << expected.toStdString();
            at = found;
        }
    }
    EXPECT_EQ(page, pages.size());
}

// Catches: the rest of a question taller than a page lost at the page's
// foot (students without its options).
TEST(PrintDocuments, AQuestionTallerThanAPageGoesOnOverThePages) {
    BankContent bank = test::MakeBank({.questions = 2});
    QStringList lines;
    for (int line = 1; line <= 90; ++line)
        lines << QStringLiteral("Условие ред %1.").arg(line);
    for (Question& question : bank.questions)
        question.text = lines.join(u'\n');
    ReadPdf pdf(VariantsDocument(PlanOf(bank, 1)));
    ASSERT_TRUE(pdf.ok());
    QString text;
    for (int page = 0; page < pdf.pages(); ++page)
        text += Squeezed(pdf.text(page));
    // Both questions and the check copy of the first, whole.
    for (const char* line : {"Условие ред 1.", "Условие ред 45.", "Условие ред 90."})
        EXPECT_EQ(text.count(Squeezed(QString::fromUtf8(line))), 3) << line;
    // Their last options, after the last line.
    for (const char* option : {"1-4", "2-4"})
        EXPECT_GT(text.lastIndexOf(QString::fromUtf8(option)),
                  text.indexOf(Squeezed(QStringLiteral("Условие ред 90."))))
            << option;
    EXPECT_GE(pdf.pages(), 4);
}

// Catches: a sheet whose code names another student or variant than the
// plan gives it, a code that does not survive the PDF (embedded image
// smoothed, modules lost), sheets missing from the file.
TEST(PrintDocuments, EachSheetsCodeReadsBackFromThePdf) {
    const BankContent bank = test::MakeBank({.questions = 7});
    const std::vector<Student> students = {
        {QStringLiteral("Иван Петров"), QStringLiteral("7б"), QStringLiteral("3")},
        {QStringLiteral("Мария Иванова"), QStringLiteral("7б"), QStringLiteral("14")}};
    const PrintPlan plan = PlanOf(bank, 3, students);
    ReadPdf pdf(SheetsDocument(plan));
    ASSERT_TRUE(pdf.ok());
    ASSERT_EQ(pdf.pages(), 2);
    for (int page = 0; page < 2; ++page) {
        const QImage image = pdf.render(page, 120);
        const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                    ZXing::ImageFormat::Lum,
                                    static_cast<int>(image.bytesPerLine()));
        const auto results = ZXing::ReadBarcodes(view);
        ASSERT_EQ(results.size(), 1u) << page;
        const auto code = ParseSheetCode(QString::fromStdString(results[0].text()));
        ASSERT_TRUE(code);
        EXPECT_EQ(code->student, students[static_cast<std::size_t>(page)]);
        EXPECT_EQ(code->variant, page + 1);
        EXPECT_EQ(code->sheetId, QStringLiteral("abcdef01-%1").arg(page + 1));
        EXPECT_TRUE(pdf.text(page).contains(students[static_cast<std::size_t>(page)].name));
    }
}

// Catches: a key that leaves out a variant or a position, or prints a
// letter other than the variant's right one; a key without the seeds that
// print it again.
TEST(PrintDocuments, KeyListsEveryPositionsLetterAndTheSeeds) {
    const BankContent bank = test::MakeBank({.questions = 14});
    const PrintPlan plan = PlanOf(bank, 5);
    ReadPdf pdf(KeyDocument(plan));
    ASSERT_TRUE(pdf.ok());
    QString text;
    for (int page = 0; page < pdf.pages(); ++page)
        text += Squeezed(pdf.text(page));
    EXPECT_TRUE(text.contains(QStringLiteral("--seed2024"))) << text.toStdString();
    for (const PaperVariant& variant : plan.variants) {
        const qsizetype start = text.indexOf(QStringLiteral("Вариант%1").arg(variant.number));
        ASSERT_GE(start, 0);
        EXPECT_TRUE(text.indexOf(QStringLiteral("варианта:%1").arg(variant.seed), start) > start);
        qsizetype at = start;
        // The table runs down columns of ten: position n, its letter, its
        // bank number.
        for (int position = 0; position < variant.run.questionCount(); ++position) {
            const auto slot = variant.run.keySlot(variant.run.questionAt(position));
            ASSERT_TRUE(slot);
            const QString row = QStringLiteral("%1.%2(въпрос%3")
                                    .arg(position + 1)
                                    .arg(QChar(u'A' + *slot))
                                    .arg(variant.run.bankNumber(variant.run.questionAt(position)));
            EXPECT_GT(text.indexOf(row, start), start - 1)
                << variant.number << ' ' << row.toStdString();
            at = std::max(at, text.indexOf(row, start));
        }
        EXPECT_GT(at, start);
    }
}

} // namespace
} // namespace vorn
