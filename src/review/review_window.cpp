#include "review_window.h"

#include "paper/paper_variant.h"
#include "paper/row_picture.h"
#include "paper/sheet_layout.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace vorn {

namespace {

constexpr int kMinPictureWidth = 560;

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent); // owned by its parent
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setFocusPolicy(Qt::NoFocus); // the keys go to the window
    button->setAutoDefault(false);       // Enter moves on, never clicks an answer
    return button;
}

} // namespace

ReviewWindow::ReviewWindow(const ToReview& review, ReviewQueue& queue, QWidget* parent)
    : QDialog(parent), review_(review), queue_(queue), progress_(new QLabel(this)),
      text_(new QLabel(this)), picture_(new QLabel(this)),
      none_(Button(QStringLiteral("Без отговор (0)"), QStringLiteral("none"), this)),
      number_(new QSpinBox(this)),
      confirm_(Button(QStringLiteral("Потвърди номера"), QStringLiteral("confirm"), this)),
      pass_(Button(QStringLiteral("Пропусни страницата"), QStringLiteral("pass"), this)) {
    setObjectName(QStringLiteral("reviewWindow"));
    setWindowTitle(QStringLiteral("Преглед на сканираните листове"));
    progress_->setObjectName(QStringLiteral("progress"));
    text_->setObjectName(QStringLiteral("problem"));
    text_->setWordWrap(true);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setAlignment(Qt::AlignCenter);
    number_->setObjectName(QStringLiteral("number"));
    number_->setAccessibleName(QStringLiteral("Номер в класа"));
    number_->setRange(1, 99);
    auto* choices = new QHBoxLayout;
    for (int slot = 0; slot < kSheetLetters; ++slot) {
        const QString letter = SlotLetter(slot);
        letters_.push_back(Button(letter, QStringLiteral("letter") + letter, this));
        choices->addWidget(letters_.back());
        connect(letters_.back(), &QPushButton::clicked, this, [this, slot] { answer(slot); });
    }
    for (QWidget* w : {static_cast<QWidget*>(none_), static_cast<QWidget*>(number_),
                       static_cast<QWidget*>(confirm_), static_cast<QWidget*>(pass_)})
        choices->addWidget(w);
    connect(none_, &QPushButton::clicked, this, [this] { answer(std::nullopt); });
    connect(confirm_, &QPushButton::clicked, this,
            [this] { moved(queue_.decideNumber(number_->value())); });
    connect(pass_, &QPushButton::clicked, this, [this] { moved(queue_.pass()); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progress_);
    layout->addWidget(text_);
    layout->addWidget(picture_, 1);
    layout->addLayout(choices);
    showCurrent();
}

void ReviewWindow::answer(std::optional<int> slot) {
    moved(queue_.decide(slot));
}

void ReviewWindow::moved(bool ok) {
    if (!ok) return;
    if (queue_.finished()) return accept();
    showCurrent();
}

QString ReviewWindow::textOf(const ReviewItem& item) const {
    if (item.kind == ReviewItem::Kind::Page) {
        const PageNotRead& page = review_.pages.at(static_cast<std::size_t>(item.index));
        return QStringLiteral("%1, стр. %2: %3. Страницата не се записва.")
            .arg(page.source.file)
            .arg(page.source.page)
            .arg(page.problem);
    }
    const OpenSheet& sheet = queue_.sheet(item.index);
    const QString caption = SheetCaption(sheet.code, sheet.source);
    const RowMark& row = sheet.rows.at(static_cast<std::size_t>(item.row));
    if (item.kind == ReviewItem::Kind::Number)
        return caption + QStringLiteral("\nНомер в класа: ") + sheet.number->problem.value_or("");
    return caption + QStringLiteral("\nРед %1: ").arg(item.row + 1) + row.problem.value_or("");
}

QImage ReviewWindow::pictureOf(const ReviewItem& item) const {
    if (item.kind == ReviewItem::Kind::Page) {
        const QImage& page = review_.pages.at(static_cast<std::size_t>(item.index)).image;
        return page.isNull() ? page : page.scaledToHeight(600, Qt::SmoothTransformation);
    }
    const SheetToReview& s = review_.sheets.at(static_cast<std::size_t>(item.index));
    return item.kind == ReviewItem::Kind::Number ? NumberPicture(s.upright, s.pixelsPerMm)
                                                 : RowPicture(s.upright, s.pixelsPerMm, item.row);
}

void ReviewWindow::typeDigit(QChar digit) {
    // Two digits make the number; a third starts it again.
    typed_ = typed_.size() >= 2 ? QString(digit) : typed_ + digit;
    number_->setValue(std::max(typed_.toInt(), 1));
}

void ReviewWindow::showCurrent() {
    if (queue_.finished()) return;
    typed_.clear();
    const ReviewItem& item = queue_.current();
    progress_->setText(QStringLiteral("%1 от %2").arg(queue_.position() + 1).arg(queue_.count()));
    text_->setText(textOf(item));
    QImage picture = pictureOf(item);
    // A row at a copier's 200 dpi is a strip too small to judge a faint mark.
    if (!picture.isNull() && picture.width() < kMinPictureWidth)
        picture = picture.scaledToWidth(kMinPictureWidth, Qt::SmoothTransformation);
    picture_->setPixmap(QPixmap::fromImage(picture));
    picture_->setAccessibleName(text_->text());
    const bool row = item.kind == ReviewItem::Kind::Row;
    for (int slot = 0; slot < kSheetLetters; ++slot)
        letters_[static_cast<std::size_t>(slot)]->setVisible(row && slot < item.options);
    none_->setVisible(row);
    number_->setVisible(item.kind == ReviewItem::Kind::Number);
    confirm_->setVisible(item.kind == ReviewItem::Kind::Number);
    pass_->setVisible(item.kind == ReviewItem::Kind::Page);
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool onRow = !queue_.finished() && queue_.current().kind == ReviewItem::Kind::Row;
    if (key == Qt::Key_Left || key == Qt::Key_Up) {
        queue_.back();
        return showCurrent();
    }
    if (key == Qt::Key_Right || key == Qt::Key_Down || (enter && onRow)) {
        queue_.forward();
        return queue_.finished() ? accept() : showCurrent();
    }
    if (onRow && (key == Qt::Key_Delete || event->text() == u'0')) return answer(std::nullopt);
    const QChar typed = event->text().size() == 1 ? event->text()[0] : QChar();
    if (onRow) {
        if (const auto slot = SlotOfLetter(typed)) return answer(slot);
    } else if (!queue_.finished() && queue_.current().kind == ReviewItem::Kind::Page) {
        if (enter) return pass_->click();
    } else if (!queue_.finished()) { // the class number: digits, then Enter
        if (typed.isDigit()) return typeDigit(typed);
        if (enter && !typed_.isEmpty()) return confirm_->click();
    }
    QDialog::keyPressEvent(event);
}

} // namespace vorn
