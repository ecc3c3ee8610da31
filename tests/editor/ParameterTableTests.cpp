// The one parameter table joins every parameter's facts; a typo in a name
// would otherwise fail silently.

#include "appearance/DesignLayout.h"
#include "device/ControllerMap.h"
#include "model/ParameterTable.h"
#include "model/PresetFields.h"

#include <gtest/gtest.h>

#include <set>

TEST (ParameterTable, EveryParameterHasAFieldADescriptorAndAPlace)
{
    using namespace DesignLayout;
    std::set<int> descriptors;
    std::set<std::string> fields;

    for (const auto& p : ParameterTable::parameters())
    {
        SCOPED_TRACE (p.controlName);

        const auto place = boundsOf (Main::children, p.controlName).getUnion (boundsOf (Basic::children, p.controlName)).getUnion (boundsOf (Advanced::children, p.controlName)).getUnion (boundsOf (Global::children, p.controlName));
        EXPECT_FALSE (place.isEmpty()) << "no layout rectangle";
        EXPECT_LT (p.minimum, p.maximum);

        if (p.presetField != nullptr)
        {
            const auto* field = findPresetField (p.presetField);
            ASSERT_NE (field, nullptr) << "no preset field " << p.presetField;
            EXPECT_LE (p.maximum, field->maximum);
            EXPECT_TRUE (fields.insert (p.presetField).second) << "two controls edit " << p.presetField;
        }

        // The effect reaches the instrument as its name, every other parameter as a controller.
        if (std::string_view (p.controlName) == "Effect Name")
        {
            EXPECT_EQ (p.descriptor, 0);
            continue;
        }

        EXPECT_EQ (ControllerMap::statusOf (p.descriptor), 0xb0);
        EXPECT_TRUE (descriptors.insert (ControllerMap::controllerOf (p.descriptor)).second) << "controller used twice";

        if (ControllerMap::isFourteenBit (p.descriptor))
        {
            EXPECT_EQ (ControllerMap::lowControllerOf (p.descriptor), ControllerMap::controllerOf (p.descriptor) + 32);
        }

        EXPECT_EQ (ControllerMap::descriptorFor (p.controlName), p.descriptor);
    }

    // Every field of the record but the pass-through notes has its control.
    EXPECT_EQ (fields.size(), presetFields().size() - 2);
    EXPECT_EQ (ControllerMap::descriptorFor ("No Such Control"), 0);
}
