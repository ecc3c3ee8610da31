#pragma once

#include "BankDump.h"

#include <juce_core/juce_core.h>

/** Standard ".syx" bank files, as musicians trade and back up instrument
    banks: one SysEx message holding a bank dump (F0, the payload, F7), or
    the bare payload as the editor's own bank cache holds it. The library
    manager and the companion tool read and write them through here.
*/
namespace BankDumpFile
{
constexpr const char* extension = ".syx";

/** No bank file is anywhere near this; anything larger is not one. */
constexpr size_t maxFileBytes = 1024 * 1024;

/** The 32 presets a file holds for a library: its first 32, then default
    presets named "PRESET n" for the missing slots.
*/
std::vector<BXVandoriumPreset> bankOf (const std::vector<BXVandoriumPreset>& presets);

/** The bytes of a ".syx" file for a library: F0, the bank dump of bankOf, F7. */
juce::MemoryBlock encode (const std::vector<BXVandoriumPreset>& presets);

/** Whether the bytes start like a bank file (F0, or the bank dump header's
    first bytes), to tell one from a library file.
*/
bool looksLikeBankFile (const void* data, size_t size) noexcept;

struct ReadResult
{
    std::vector<BXVandoriumPreset> presets; // 32 when read
    juce::String problem; // why the file is refused, for the user; empty when read
    bool tooShort = false; // a bank dump, cut off before its 32nd preset

    bool ok() const noexcept { return problem.isEmpty(); }
};

/** Checks the bytes (the bank dump header, MIDI data bytes only between the
    frame bytes, room for 32 presets) and decodes them. fileName names the
    file in the problem text.
*/
ReadResult decode (const void* data, size_t size, const juce::String& fileName);

/** Reads and decodes a file; a missing, unreadable or oversized file is refused. */
ReadResult read (const juce::File& file);
} // namespace BankDumpFile
