#include "PresetText.h"

#include "PresetFields.h"

PresetTextResult parsePresetText (const juce::String& text)
{
    PresetTextResult result;
    const auto lines = juce::StringArray::fromLines (text);

    for (int i = 0; i < lines.size(); ++i)
    {
        const auto line = lines[i].upToFirstOccurrenceOf ("#", false, false).trim();
        const auto where = "line " + juce::String (i + 1) + ": ";

        if (line.isEmpty())
            continue;

        if (line.startsWithChar ('[') && line.endsWithChar (']'))
        {
            BXVandoriumPreset preset;
            preset.name = line.substring (1, line.length() - 1).trim();

            if (preset.name.length() > BXVandoriumPreset::maxNameLength)
                result.errors.add (where + "the name " + preset.name + " is longer than 13 characters");

            result.presets.push_back (preset);
            continue;
        }

        const auto key = line.upToFirstOccurrenceOf ("=", false, false).trim();
        const auto value = line.fromFirstOccurrenceOf ("=", false, false).trim();
        const auto* field = findPresetField (key);

        if (result.presets.empty())
            result.errors.add (where + "a value before the first [NAME] line");
        else if (! line.containsChar ('=') || field == nullptr)
            result.errors.add (where + "unknown field " + key.quoted());
        else if (! value.containsOnly ("0123456789") || value.isEmpty() || value.getLargeIntValue() > field->maximum)
            result.errors.add (where + "value " + value.quoted() + " is not a number from 0 to " + juce::String (field->maximum));
        else
            field->set (result.presets.back(), value.getIntValue());
    }

    return result;
}
