#pragma once

#include "model/PresetDataBlock.h"

#include <juce_audio_basics/juce_audio_basics.h>

#include <optional>

/** Every message exchanged with the instrument, byte for byte: builders for
    what the editor sends, recognisers for the replies it waits for.
*/
namespace DeviceMessages
{
constexpr int nameFieldOffset = 16;
constexpr int nameFieldLength = 14;
constexpr int nameMessagePayloadSize = 31;

/** B0 77 7F: store the current sound into the selected slot. */
juce::MidiMessage storeRequest();

/** F0 7E 7F 06 01 F7 */
juce::MidiMessage identityRequest();

/** F0 04 0B 06 00, eleven zeros, F7 */
juce::MidiMessage presetRequest();

/** F0 04 0B 06 03, eleven zeros, F7 */
juce::MidiMessage bankRequest();

/** The 33-byte preset name message; the name is cut to 13 characters. */
juce::MidiMessage presetNameMessage (const juce::String& name);

/** The 33-byte effect name message, naming the selected slot (0 for none). */
juce::MidiMessage effectNameMessage (const juce::String& effectName, int selectedSlot);

/** F0, a bank dump payload, F7. */
juce::MidiMessage bankDumpMessage (const juce::MemoryBlock& payload);

/** The name field bytes: printable ASCII as it is, anything else as "?",
    so every SysEx data byte stays below 0x80; the rest of the field spaces.
*/
void writeNameField (juce::uint8* field, const juce::String& text, int maxCharacters);

//==============================================================================
// The instrument's side, for the simulated instrument.

/** The Identity Reply with the four firmware revision bytes. */
juce::MidiMessage identityReply (const std::array<juce::uint8, 4>& revision);

/** F0, the preset dump header, the packed block, F7: the instrument's current sound. */
juce::MidiMessage presetDumpMessage (const PresetDataBlock::Words& words);

bool isIdentityRequest (const juce::MidiMessage& message);
bool isPresetRequest (const juce::MidiMessage& message);
bool isBankRequest (const juce::MidiMessage& message);
bool isPresetNameMessage (const juce::MidiMessage& message);
bool isEffectNameMessage (const juce::MidiMessage& message);
bool isStoreRequest (const juce::MidiMessage& message);

/** The text of a name message's field, trailing spaces removed. */
juce::String nameFieldText (const juce::MidiMessage& message);

//==============================================================================
bool isIdentityReply (const juce::MidiMessage& message);
bool isPresetDump (const juce::MidiMessage& message);
bool isBankDump (const juce::MidiMessage& message);

/** The firmware text an Identity Reply gives ("v1.0.7", "v1.2.3"), or no
    result when its revision bytes say nothing (the text then stays as it was).
*/
std::optional<juce::String> firmwareVersionFrom (const juce::MidiMessage& identityReply);
} // namespace DeviceMessages
