#pragma once
// The steps of a synthetic scan that change the whole page, in the order a
// scanner or copier applies them. Pages are QImage::Format_RGB32 in grey.

#include <QImage>

class QPainter;

namespace vorn::test {

class SyntheticRandom;

// A dark blob over part of one corner mark (drawn on the upright page, a
// painter's units in millimetres).
void SmudgeCornerMark(QPainter& painter, SyntheticRandom& random);

// The page turned by quarter turns and a skew, on a scanner's lid that is a
// little darker than paper; the image grows to hold the whole page.
QImage Turned(const QImage& page, int quarterTurns, double skewDegrees);

// Sensor noise, roughly Gaussian, `sigma` grey levels.
void AddNoise(QImage& page, double sigma, SyntheticRandom& random);

// A copier's black-and-white mode: every pixel black or white at one level.
void Threshold(QImage& page, int level);

// Through a JPEG file of that quality and back, in memory.
QImage JpegRoundTrip(const QImage& page, int quality);

} // namespace vorn::test
