#include "PresetSearch.h"

namespace PresetSearch
{
std::vector<int> matching (const std::vector<BXVandoriumPreset>& presets, const juce::String& text)
{
    const auto wanted = text.trim().toUpperCase();
    std::vector<int> found;

    for (size_t i = 0; i < presets.size(); ++i)
        if (wanted.isEmpty() || presets[i].name.toUpperCase().contains (wanted))
            found.push_back ((int) i);

    return found;
}
} // namespace PresetSearch
