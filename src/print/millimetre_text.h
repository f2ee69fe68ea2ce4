#pragma once
// Text on a page whose painter counts in millimetres. Fonts are sized in
// millimetres too, and laid out at a hundred times that size so that their
// metrics are those of a large font, never of one a few units high.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace vorn {

inline const QString kSansFamily = QStringLiteral("Liberation Sans");
inline const QString kSerifFamily = QStringLiteral("Liberation Serif");

struct TextStyle {
    double heightMm = 3.5; // the font's pixel size, in millimetres
    QColor colour = Qt::black;
    bool bold = false;
    QString family = kSansFamily;
};

// `text` in `box` (millimetres), aligned by Qt's alignment `flags`; a text
// wider than the box is cut short with an ellipsis unless `flags` wraps it.
void DrawText(QPainter& painter, const QRectF& box, int flags, const QString& text,
              const TextStyle& style);

} // namespace vorn
