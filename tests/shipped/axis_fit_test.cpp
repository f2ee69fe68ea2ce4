// Fitting a drawing along one axis: the largest scale at which the points and
// the pixels their labels take fit, and the drawing centred. The expected
// values are worked out by hand for a drawing from 0 to 10 units.

#include "axis_fit.h"

#include <gtest/gtest.h>

using namespace vorn;

namespace {

struct Row {
    const char* what;
    std::vector<AxisSpan> spans;
    double room, scale, origin; // centred on 50
};

const std::vector<Row> kRows{
    {"points only", {{0}, {10}}, 100, 10, 0},
    {"20 px after the last point", {{0}, {10, 0, 20}}, 100, 8, 0},
    {"30 px before the first point", {{0, -30, 0}, {10}}, 100, 7, 30},
    {"60 px after the middle, past the last point", {{0}, {10}, {5, 0, 60}}, 100, 8, 0},
};

} // namespace

TEST(AxisFit, LargestScaleThatFitsAndCentred) {
    for (const Row& row : kRows) {
        EXPECT_DOUBLE_EQ(LargestScale(row.spans, row.room), row.scale) << row.what;
        EXPECT_DOUBLE_EQ(CentredOrigin(row.spans, row.scale, 50), row.origin) << row.what;
    }
}
