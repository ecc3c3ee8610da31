#pragma once

#include "model/BXVandoriumPreset.h"

#include <vector>

/** Finding presets by name, as the library manager's search field does. */
namespace PresetSearch
{
/** The indices, in order, of the presets whose name contains the text,
    ignoring case; surrounding spaces of the text do not count.
*/
std::vector<int> matching (const std::vector<BXVandoriumPreset>& presets, const juce::String& text);
} // namespace PresetSearch
