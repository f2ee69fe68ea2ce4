// The tests that run the player, a display server or a compositor and their
// tools as processes; QProcess wants an application object.

#include "support/pinned_fonts.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    vorn::test::PinFonts(); // the player started inherits them
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
