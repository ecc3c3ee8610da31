#pragma once

#include "DevicePorts.h"
#include "model/BXVandoriumPreset.h"

#include <functional>

/** The send operations the rest of the editor uses to reach the instrument. */
class DeviceSender final
{
public:
    /** selectedSlot gives the row selected in "Vandorium Presets" (-1 for none). */
    DeviceSender (DevicePorts& ports, std::function<int()> selectedSlot);

    /** A controller, a 14-bit controller pair or a program change, as the
        descriptor says; any other status sends nothing.
    */
    void sendPackedMessage (int descriptor, int value);

    void sendPresetName (const juce::String& name);

    /** A whole preset as the instrument's current sound: its name, then
        every parameter in the parameter table's order (the scan knobs as 0
        for a waveform that does not scan, the effect as its name).
    */
    void sendPreset (const BXVandoriumPreset& preset);
    void sendEffectName (const juce::String& effectName);
    void broadcast (const juce::MidiMessage& message);

    void setSelectedSlotSource (std::function<int()> source) { selectedSlot = std::move (source); }

private:
    DevicePorts& ports;
    std::function<int()> selectedSlot;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceSender)
};
