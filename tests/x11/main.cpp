// The tests of the real window run the player and X tools as processes;
// QProcess wants an application object.

#include "support/pinned_fonts.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    vorn::test::PinFonts(); // the player started inherits them
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
