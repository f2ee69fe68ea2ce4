// The control model behaves as the runtime the logic was written for.

#include "form/color.h"
#include "form/control_array.h"
#include "form/controls.h"
#include "form/option_group.h"

#include <gtest/gtest.h>
#include <vector>

using namespace vorn;

TEST(ControlModel, ColoursAreStoredAsBlueGreenRed) {
    EXPECT_EQ(RGB(255, 0, 0), 0x0000FFu);
    EXPECT_EQ(RGB(0, 255, 0), 65280u);
    EXPECT_EQ(RGB(192, 192, 255), 0xFFC0C0u);
    EXPECT_EQ(RedOf(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(RGB(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(RGB(1, 2, 3)), 3);
    EXPECT_FALSE(IsSystemColor(RGB(255, 255, 255)));
    EXPECT_TRUE(IsSystemColor(kSystemWindow));
}

TEST(ControlModel, ControlArrayHasOnlyTheDesignedIndicesAndNamesItsMembers) {
    ControlArray<Label> labels(QStringLiteral("Command2"), {0, 1, 2});
    EXPECT_EQ(labels(2).Name, QStringLiteral("Command2(2)"));
    labels(1).Caption = QStringLiteral("Напред");
    EXPECT_EQ(labels(1).Caption, QStringLiteral("Напред"));
    try {
        labels(3);
        FAIL() << "index 3 must not exist";
    } catch (const ProgramError& e) {
        EXPECT_NE(std::string(e.what()).find("Command2(3)"), std::string::npos) << e.what();
    }
    EXPECT_THROW(labels(-1), ProgramError);
}

TEST(ControlModel, SettingValueTrueClearsTheRestOfTheGroup) {
    OptionGroup group(QStringLiteral("Option1"), {0, 1, 2, 3, 4});
    group(1).setValue(true);
    group(3).Enabled = false;
    group(3).setValue(true); // from code, whatever the button's state
    EXPECT_FALSE(group(1).Value());
    EXPECT_TRUE(group(3).Value());
    group(3).setValue(false);
    group(0).setValue(false);
    for (const int i : group.indices())
        EXPECT_FALSE(group(i).Value());
}
