#pragma once
// A QR code as the dark modules to print: drawn by ZXing from a text, UTF-8,
// with error correction level M, which survives a smudge over a few modules
// and keeps a long name within a code a copier reproduces.

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace vorn {

class QrSymbol {
public:
    explicit QrSymbol(const QString& text);

    int size() const { return size_; } // modules a side, without the quiet zone
    bool dark(int x, int y) const { return modules_[static_cast<std::size_t>(y * size_ + x)]; }

    // The code filling `area`, white with the four-module quiet zone that
    // readers need around it, black modules inside.
    void paint(QPainter& painter, const QRectF& area) const;

private:
    int size_ = 0;
    std::vector<bool> modules_;
};

inline constexpr int kQrQuietModules = 4;

} // namespace vorn
