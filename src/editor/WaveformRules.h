#pragma once

#include <juce_core/juce_core.h>

/** Which waveforms scan their wavetable, and what the dimmed scan knobs say. */
namespace WaveformRules
{
/** "AURORA 1" and "OPALINE" (and anything beyond) are scanned. */
inline bool usesScanning (int waveform) noexcept
{
    return waveform == 3 || waveform >= 6;
}

/** The tooltip of a scan knob the waveform does not use. */
inline juce::String unusedBy (const juce::String& knob, int waveform)
{
    if (waveform == 4)
        return knob + " is not used by BRIGHT waveform";

    if (waveform == 5)
        return knob + " is not used by HOLLOW waveform";

    return knob + " is not used by SINE, TRIANGLE and SUPER SAW waveforms";
}
} // namespace WaveformRules
