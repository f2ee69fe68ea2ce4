// The exam session's tests run the compositor, the player and Wayland tools
// as processes; QProcess wants an application object.

#include "support/pinned_fonts.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    vorn::test::PinFonts(); // the player started inherits them
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
