// The pictures beyond the question's text: the picture area opens its picture
// large (--large-pictures), becoming a tab stop at its design place; an option
// that is a picture shows it in its box and opens it large.

#include "form_view.h"
#include "picture_area.h"
#include "picture_cache.h"
#include "picture_opener.h"

#include <QPlainTextEdit>
#include <QStyle>
#include <cmath>

namespace vorn {

PictureOpener* FormView::letPicturesOpenLarge() {
    QWidget* area = widgetFor(controls().pictureArea.Name);
    auto* opener = new PictureOpener(area, [this] { return controls().pictureArea.Picture; });
    picturesOpenLarge_ = true;
    tabStops_.emplace_back(controls().pictureArea.TabIndex, area);
    buildTabOrder();
    refresh();
    return opener;
}

namespace {

// Where an option's picture stands in its box: the box's text area, inside
// the frame the box draws there when it has the focus.
QRect PictureRect(const QWidget* box) {
    const int scrollBar = box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
    return box->contentsRect().adjusted(3, 3, -3 - scrollBar, -3);
}

} // namespace

void FormView::buildOptionPictures() {
    for (int slot = 0; slot < 5; ++slot) {
        QWidget* box = textBoxes_[static_cast<std::size_t>(slot + 1)];
        const TextBox& control = controls().options.texts(slot);
        // Over the text, which names the picture for screen readers; the box
        // keeps the focus, so the option's button and keys work as ever.
        auto* area = new PictureArea(box);
        area->setObjectName(QStringLiteral("OptionPicture(%1)").arg(slot));
        area->setAutoFillBackground(false);
        auto* opener = new PictureOpener(area, [&control] { return control.Picture; });
        area->setFocusPolicy(Qt::NoFocus);
        opener->watch(box);
        area->hide();
        PictureCache* cache = optionPictures_.emplace_back(std::make_unique<PictureCache>()).get();
        refreshers_.push_back([this, box, area, cache, &control] {
            const bool shown = control.Visible && control.Picture;
            area->setVisible(shown);
            if (!shown) return;
            const QRect place = PictureRect(box);
            if (area->geometry() != place) area->setGeometry(place);
            const double factor = scale_.factor();
            const QSize design(static_cast<int>(std::lround(place.width() / factor)),
                               static_cast<int>(std::lround(place.height() / factor)));
            area->setPixmap(cache->pixmap(control.Picture, design, place.size(), factor));
            QPalette palette = area->palette();
            palette.setColor(QPalette::Window, box->palette().color(QPalette::Base));
            area->setPalette(palette);
            area->setAccessibleName(control.Text);
            area->setAccessibleDescription(OpensLargeDescription());
        });
    }
}

} // namespace vorn
