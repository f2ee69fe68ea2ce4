// An icon made on demand: made at its first use, not before, and then the
// same pixels, sizes and scale as the icon it stands for.

#include "view/icon_on_demand.h"

#include <QStyle>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Faults caught: the icon made when it is created (what it is for is lost);
// made again at each use; a size or a device pixel ratio applied twice.
TEST(IconOnDemand, IsMadeAtItsFirstUseAndDrawsAsTheIconItStandsFor) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon standard = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    int made = 0;
    const QIcon deferred = vorn::IconOnDemand([&] {
        ++made;
        return standard;
    });
    EXPECT_EQ(made, 0);
    for (const qreal ratio : {1.0, 2.0})
        for (const int side : {16, 32}) {
            const QPixmap want = standard.pixmap(QSize(side, side), ratio);
            const QPixmap got = deferred.pixmap(QSize(side, side), ratio);
            EXPECT_EQ(got.size(), want.size()) << side << " at " << ratio;
            EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio()) << side << " at " << ratio;
            EXPECT_EQ(got.toImage(), want.toImage()) << side << " at " << ratio;
        }
    EXPECT_EQ(deferred.availableSizes(), standard.availableSizes());
    EXPECT_EQ(made, 1);
}

} // namespace
