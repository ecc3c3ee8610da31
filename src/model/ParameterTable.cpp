#include "ParameterTable.h"

#include "PresetFields.h"

namespace ParameterTable
{
const std::vector<Parameter>& parameters()
{
    static const std::vector<Parameter> table {
        { "Preset Volume", "volume", 0x67b0, 0, 127, Tooltip { 2, 0, 100, 0 } },

        // Basic view
        { "Scale", "scale", 0x55b0, 0, 21, {} },
        { "Root Note", "rootNote", 0x56b0, 0, 11, {} },
        { "Pitch Correction", "pitchCorrection", 0x54b0, 0, 127, Tooltip { 2, 0, 100, 0 } },
        { "Waveform", "waveform", 0x5ab0, 0, 6, {} },
        { "Scan Rate", "scanRate", 0x2909b0, 0, 16383, Tooltip { 4, 0, 32, 1 } },
        { "Scan Amount", "scanAmount", 0x3414b0, 0, 16383, Tooltip { 1, 0, 2, 2 } },
        { "Scan Position", "scanPosition", 0x3515b0, 0, 16383, Tooltip { 1, 0, 2, 2 } },
        { "Filter Type", "filterType", 0x50b0, 0, 4, {} },
        { "Filter Cutoff", "filterCutoff", 0x4ab0, 0, 127, Tooltip { 2, 0, 100, 2 } },
        { "Filter Resonance", "filterResonance", 0x47b0, 0, 127, Tooltip { 2, 0, 100, 0 } },
        { "Filter Pitch Track", "filterPitchTrack", 0x3d1db0, 0, 16383, Tooltip { 2, -800, 800, 0 } },
        { "Effect Name", "effect", 0, 0, 4, {} },
        { "Delay Time", "delayTime", 0x2c0cb0, 0, 13695, Tooltip { 5, 0, 16384, 0 } },
        { "Delay Feedback", "delayFeedback", 0x2e0eb0, 0, 16383, Tooltip { 2, 0, 100, 0 } },
        { "Effect Mix", "effectMix", 0x5bb0, 0, 127, Tooltip { 2, 0, 100, 0 } },

        // Advanced view
        { "Volume Waveform Scan Amount", "volumeWaveformScanAmount", 0x3919b0, 0, 16383, Tooltip { 2, -400, 400, 0 } },
        { "Volume Waveform Scan Rate", "volumeWaveformScanRate", 0x3717b0, 0, 16383, Tooltip { 2, -400, 400, 0 } },
        { "Volume Filter Resonance", "volumeFilterResonance", 0x3c1cb0, 0, 16383, Tooltip { 2, -200, 200, 0 } },
        { "Volume Filter Cutoff", "volumeFilterCutoff", 0x3b1bb0, 0, 16383, Tooltip { 2, -100, 100, 0 } },
        { "Volume Volume", "volumeVolume", 0x3a1ab0, 0, 16383, Tooltip { 2, 0, 1600, 0 } },
        { "Pitch Filter Resonance", "pitchFilterResonance", 0x3e1eb0, 0, 16383, Tooltip { 2, -200, 200, 0 } },
        { "Pitch Waveform Scan Amount", "pitchWaveformScanAmount", 0x3818b0, 0, 16383, Tooltip { 2, -400, 400, 0 } },
        { "Pitch Waveform Scan Rate", "pitchWaveformScanRate", 0x3616b0, 0, 16383, Tooltip { 2, -400, 400, 0 } },
        { "Transpose", "transpose", 0x66b0, 0, 127, Tooltip { 3, -64, 63, 0 } },

        // Global view: the instrument's own settings, not part of a preset
        { "Master Volume", nullptr, 0x2707b0, 0, 16383, Tooltip { 2, 0, 100, 0 } },
        { "Low Note", nullptr, 0x57b0, 24, 110, {} },
        { "High Note", nullptr, 0x58b0, 24, 110, {} },
    };

    return table;
}

BXVandoriumPreset clampedToRanges (BXVandoriumPreset preset)
{
    for (const auto& parameter : parameters())
    {
        if (parameter.presetField == nullptr)
            continue;

        const auto* field = findPresetField (parameter.presetField);
        const auto value = field->get (preset);

        if (value < parameter.minimum || value > parameter.maximum)
            field->set (preset, juce::jlimit (parameter.minimum, parameter.maximum, value));
    }

    return preset;
}

const Parameter* find (const juce::String& controlName)
{
    for (const auto& parameter : parameters())
        if (controlName == parameter.controlName)
            return &parameter;

    return nullptr;
}
} // namespace ParameterTable
