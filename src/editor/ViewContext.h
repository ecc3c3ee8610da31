#pragma once

#include "device/DeviceSender.h"
#include "model/BXVandoriumPreset.h"
#include "model/EditorSettings.h"

/** What the parameter views edit and send through: the main component's
    current preset, the instrument's sender and the settings (for the
    firmware version).
*/
struct ViewContext
{
    BXVandoriumPreset& preset;
    DeviceSender& sender;
    EditorSettings& settings;
};
