#include "ControllerMap.h"

namespace ControllerMap
{
const std::vector<Assignment>& assignments()
{
    static const std::vector<Assignment> map {
        { "Preset Volume", 0x67b0, "volume" },
        { "Scale", 0x55b0, "scale" },
        { "Root Note", 0x56b0, "rootNote" },
        { "Pitch Correction", 0x54b0, "pitchCorrection" },
        { "Waveform", 0x5ab0, "waveform" },
        { "Scan Rate", 0x2909b0, "scanRate" },
        { "Scan Amount", 0x3414b0, "scanAmount" },
        { "Scan Position", 0x3515b0, "scanPosition" },
        { "Filter Type", 0x50b0, "filterType" },
        { "Filter Cutoff", 0x4ab0, "filterCutoff" },
        { "Filter Resonance", 0x47b0, "filterResonance" },
        { "Filter Pitch Track", 0x3d1db0, "filterPitchTrack" },
        { "Delay Time", 0x2c0cb0, "delayTime" },
        { "Delay Feedback", 0x2e0eb0, "delayFeedback" },
        { "Effect Mix", 0x5bb0, "effectMix" },
        { "Volume Waveform Scan Amount", 0x3919b0, "volumeWaveformScanAmount" },
        { "Volume Waveform Scan Rate", 0x3717b0, "volumeWaveformScanRate" },
        { "Volume Filter Resonance", 0x3c1cb0, "volumeFilterResonance" },
        { "Volume Filter Cutoff", 0x3b1bb0, "volumeFilterCutoff" },
        { "Volume Volume", 0x3a1ab0, "volumeVolume" },
        { "Pitch Filter Resonance", 0x3e1eb0, "pitchFilterResonance" },
        { "Pitch Waveform Scan Amount", 0x3818b0, "pitchWaveformScanAmount" },
        { "Pitch Waveform Scan Rate", 0x3616b0, "pitchWaveformScanRate" },
        { "Transpose", 0x66b0, "transpose" },
        { "Master Volume", 0x2707b0, nullptr },
        { "Low Note", 0x57b0, nullptr },
        { "High Note", 0x58b0, nullptr },
    };

    return map;
}

int descriptorFor (const juce::String& controlName)
{
    for (const auto& a : assignments())
        if (controlName == a.controlName)
            return a.descriptor;

    return 0;
}
} // namespace ControllerMap
