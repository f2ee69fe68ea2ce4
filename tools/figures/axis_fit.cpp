#include "axis_fit.h"

#include <algorithm>
#include <limits>

namespace vorn {

double LargestScale(const std::vector<AxisSpan>& spans, double room) {
    // Every pair, the later coordinate ending no more than `room` after the
    // earlier one starts.
    double scale = std::numeric_limits<double>::infinity();
    for (const AxisSpan& later : spans)
        for (const AxisSpan& earlier : spans)
            if (later.at > earlier.at)
                scale =
                    std::min(scale, (room - (later.high - earlier.low)) / (later.at - earlier.at));
    return scale;
}

double CentredOrigin(const std::vector<AxisSpan>& spans, double scale, double centre) {
    double first = std::numeric_limits<double>::infinity(), last = -first;
    for (const AxisSpan& span : spans) {
        first = std::min(first, span.at);
        last = std::max(last, span.at);
    }
    // The pixels that stand out before the first and after the last coordinate.
    double before = 0, after = 0;
    for (const AxisSpan& span : spans) {
        before = std::max(before, first * scale - (span.at * scale + span.low));
        after = std::max(after, span.at * scale + span.high - last * scale);
    }
    return centre - (first + last) / 2 * scale - (after - before) / 2;
}

} // namespace vorn
