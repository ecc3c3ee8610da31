#pragma once

#include "BXVandoriumPreset.h"

#include <vector>

/** A readable form of a preset list, used for the factory sound designs:

        # comment
        [GLASS PAD]
        waveform = 3
        scanRate = 2000

    Every "[NAME]" line starts a default preset of that name; "field = value"
    lines set its fields by their record names.
*/
struct PresetTextResult
{
    std::vector<BXVandoriumPreset> presets;
    juce::StringArray errors; // "line N: what is wrong"
};

PresetTextResult parsePresetText (const juce::String& text);
