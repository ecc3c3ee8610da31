#pragma once

#include "BXVandoriumPreset.h"

#include <functional>
#include <vector>

/** The record's numeric fields by name, in declaration order, so tools can
    print, read and compare every value without listing the fields again.
*/
struct PresetField
{
    const char* name;
    int maximum; // the largest value the field's type holds
    std::function<int (const BXVandoriumPreset&)> get;
    std::function<void (BXVandoriumPreset&, int)> set;
};

/** The 27 numeric fields (the name is not among them). */
const std::vector<PresetField>& presetFields();

/** The field of that name, or nullptr. */
const PresetField* findPresetField (const juce::String& fieldName);
