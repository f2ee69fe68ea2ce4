// The picture area opens its picture large (--large-pictures): it becomes a tab
// stop at its design place and follows the question shown.

#include "form_view.h"
#include "picture_opener.h"

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

} // namespace vorn
