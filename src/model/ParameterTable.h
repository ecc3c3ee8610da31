#pragma once

#include "BXVandoriumPreset.h"

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

/** Every parameter control of the editor in one table: the control's
    component name, the preset field it edits, the MIDI descriptor it sends,
    its range and the settings of its tooltip. The controller map, the three
    views, the preset fields and the simulated instrument all read it.
*/
namespace ParameterTable
{
/** A knob's tooltip: mode 1..5, displayed range and decimals. */
struct Tooltip
{
    int mode;
    double minimum, maximum;
    int digits = 0;
};

struct Parameter
{
    const char* controlName; // the component name that tells controls apart
    const char* presetField; // the record field, or nullptr for instrument-wide settings
    int descriptor; // packed MIDI descriptor; 0 when it travels as text (the effect)
    int minimum, maximum; // the control's range, in the record's units
    std::optional<Tooltip> tooltip; // knobs only
};

/** The 28 parameter controls, the header's "Preset Volume" first. */
const std::vector<Parameter>& parameters();

/** The preset with every value its controls edit brought into the control's
    range: a hand-edited file may hold "scale 30" or "waveform 9", which no
    list item shows and no controller can carry.
*/
BXVandoriumPreset clampedToRanges (BXVandoriumPreset preset);

/** The parameter of a control by its component name, or nullptr. */
const Parameter* find (const juce::String& controlName);
} // namespace ParameterTable
