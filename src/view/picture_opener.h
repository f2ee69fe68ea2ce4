#pragma once
// The picture area as a control (--large-pictures): it takes the focus at its
// place in the tab order, tells screen readers what it does, and a click,
// Enter or Space opens the picture it shows large (enlarged_picture.h). A
// picture that does not decode opens nothing, as the area shows nothing;
// while there is no picture, clicks and keys go on as if it were not there.

#include "platform/picture.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace vorn {

class EnlargedPicture;

// What the area tells screen readers while it shows a picture it can open.
QString OpensLargeDescription();

class PictureOpener : public QObject {
public:
    // `shown`: the picture the area shows now. The opener belongs to `area`.
    PictureOpener(QWidget* area, std::function<Picture()> shown);

    // Enter and Space in `widget` open the picture too, while there is one.
    void watch(QWidget* widget);

    // Opens the picture shown large; null when there is none or it does not
    // decode.
    EnlargedPicture* open();
    // The view opened last, while it is open.
    EnlargedPicture* opened() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* area_;
    std::function<Picture()> shown_;
    QPointer<EnlargedPicture> opened_;
};

} // namespace vorn
