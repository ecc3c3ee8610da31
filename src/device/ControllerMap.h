#pragma once

#include <juce_core/juce_core.h>

/** Packed MIDI message descriptors, as parameter controls carry them in
    their "MidiMsg" property: status in bits 0-7, the controller in bits
    8-15, the low-half controller of a 14-bit pair in bits 16-23.
*/
namespace ControllerMap
{
constexpr int programChange = 0xc0;

/** The descriptor of a parameter control by its component name (from the
    parameter table), or 0.
*/
int descriptorFor (const juce::String& controlName);

constexpr int statusOf (int descriptor) noexcept { return descriptor & 0xff; }
constexpr int controllerOf (int descriptor) noexcept { return (descriptor >> 8) & 0x7f; }
constexpr int lowControllerOf (int descriptor) noexcept { return (descriptor >> 16) & 0x7f; }
constexpr bool isFourteenBit (int descriptor) noexcept { return (descriptor & 0xff0000) != 0; }
} // namespace ControllerMap
