// Runs every test inside one QApplication on the offscreen platform unless a
// platform was chosen, so the suite needs no display (also when CTest lists
// the tests at build time).

#include "support/pinned_fonts.h"
#include "view/startup.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vorn::test::PinFonts();
    QApplication app(argc, argv);
    vorn::ApplyLook(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
