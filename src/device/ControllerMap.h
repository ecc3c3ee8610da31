#pragma once

#include <juce_core/juce_core.h>

/** Packed MIDI message descriptors, as parameter controls carry them in
    their "MidiMsg" property: status in bits 0-7, the controller in bits
    8-15, the low-half controller of a 14-bit pair in bits 16-23.
*/
namespace ControllerMap
{
constexpr int programChange = 0xc0;

struct Assignment
{
    const char* controlName; // the control's component name
    int descriptor;
    const char* presetField; // the record field it edits, or nullptr
};

/** Every parameter control of the editor. */
const std::vector<Assignment>& assignments();

/** The descriptor of a control by its component name, or 0. */
int descriptorFor (const juce::String& controlName);

constexpr int statusOf (int descriptor) noexcept { return descriptor & 0xff; }
constexpr int controllerOf (int descriptor) noexcept { return (descriptor >> 8) & 0x7f; }
constexpr int lowControllerOf (int descriptor) noexcept { return (descriptor >> 16) & 0x7f; }
constexpr bool isFourteenBit (int descriptor) noexcept { return (descriptor & 0xff0000) != 0; }
} // namespace ControllerMap
