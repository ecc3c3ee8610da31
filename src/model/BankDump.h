#pragma once

#include "BXVandoriumLibrary.h"

#include <juce_core/juce_core.h>

#include <optional>

/** The instrument's bank dump payload: a 22-byte header, then for every slot
    a packed block and a slot trailer (6646 bytes for 32 slots).
*/
namespace BankDump
{
constexpr int numSlots = 32;
constexpr int headerSize = 22;
constexpr int trailerSize = 24;
constexpr int slotSize = PresetDataBlock::packedSize + trailerSize;
constexpr int payloadSize = headerSize + numSlots * slotSize; // 6646

/** The bank dump header: 04 0B 01 01, nine zeros, 60, seven zeros, 01. */
const std::array<juce::uint8, headerSize>& header();

/** The preset dump header: as the bank dump header with 04 01 at offsets 2-3. */
const std::array<juce::uint8, headerSize>& presetDumpHeader();
} // namespace BankDump

/** Decodes 32 records in slot order. A leading F0 and a trailing F7 are
    skipped. Gives no result when the data is too short to hold 32 blocks, so
    a truncated dump never replaces a bank; the decoder never reads past the
    data it is given.
*/
std::optional<BXVandoriumLibrary> decodeBankDump (const juce::uint8* data, size_t length);

std::optional<BXVandoriumLibrary> decodeBankDump (const juce::MemoryBlock& data);

/** Builds the payload from at most the first 32 records, slot numbers 0, 1, ... */
juce::MemoryBlock encodeBankDump (const std::vector<BXVandoriumPreset>& presets);
