// The lamps reached by keyboard: one per timeline row, each at a point a click would switch it.
#include <gtest/gtest.h>

#include "car/lamp_editor.h"
#include "car/lamp_model.h"
#include "car/vehicle_catalogue.h"
#include "timeline/lamp_targets.h"

using namespace vireo;

// For every model with pictures, the click at a target's point hits the target's own region,
// and switching there changes exactly the row's lamp: the keyboard does what a click does.
TEST(LampTargets, EveryRowHasAPointAClickThereSwitchesItsLamp) {
    for (const char* model : {"111", "112", "113"}) {
        const VehicleSetup setup = *vehicleSetupFor(QString::fromLatin1(model));
        const std::vector<LampTarget> targets = lampTargets(setup.regions);
        ASSERT_EQ(targets.size(), size_t(kLampRowCount)) << model;
        for (size_t i = 0; i < targets.size(); ++i) {
            const LampTarget& t = targets[i];
            EXPECT_EQ(t.row.corner, lampRows()[i].corner);
            EXPECT_EQ(t.row.bit, lampRows()[i].bit);
            EXPECT_EQ(hitRegion(setup.regions, t.corner, t.clickTwips.x(), t.clickTwips.y()),
                      t.code)
                << model << " row " << i;
            LampBytes lamps{};
            LampEditor editor;
            editor.lampeTreffen(kLeftButton, t.clickTwips.x(), t.clickTwips.y(), t.corner,
                                setup.regions, lamps, EditOptions{});
            LampBytes expected{};
            expected = withLamp(expected, t.row, true);
            EXPECT_EQ(lamps, expected) << model << " row " << i;
        }
    }
}

TEST(LampTargets, NoneBeforeAModelIsApplied) {
    EXPECT_TRUE(lampTargets(RegionGeometry{}).empty());
}
