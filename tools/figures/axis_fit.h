#pragma once
// Fitting a drawing into a picture along one axis. Each thing drawn is a
// coordinate of the drawing, which scales, and the pixels it takes before and
// after that coordinate, which do not (a label beside a point).

#include <vector>

namespace vorn {

struct AxisSpan {
    double at;       // drawing units, growing the way the picture's pixels do
    double low = 0;  // pixels from the scaled coordinate to where the thing starts
    double high = 0; // and to where it ends
};

// The largest scale at which all spans fit into `room` pixels.
double LargestScale(const std::vector<AxisSpan>& spans, double room);

// Where the drawing's zero goes so that the spans, at that scale, are centred
// on `centre`.
double CentredOrigin(const std::vector<AxisSpan>& spans, double scale, double centre);

} // namespace vorn
