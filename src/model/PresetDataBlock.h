#pragma once

#include <juce_core/juce_core.h>

#include <array>

/** The instrument's form of one preset: 61 unsigned 16-bit words, and the
    7-bit-safe packing in which blocks travel inside SysEx messages.
*/
namespace PresetDataBlock
{
constexpr int numWords = 61;
constexpr int bufferSize = 124; // 62 little-endian words; the last one is always 0
constexpr int storedSize = 122; // W0..W60, as kept in library files
constexpr int packedSize = 183; // three bytes per word

using Words = std::array<juce::uint16, numWords>;

/** Volume table: 128 instrument levels for the record's 0..127. */
const std::array<juce::uint16, 128>& volumeTable();

/** Cutoff table: 128 instrument frequencies for the record's 0..127. */
const std::array<juce::uint16, 128>& cutoffTable();

/** The largest index 1..127 whose entry is at most the word, or 0 when the
    word lies below entry 1 (a seven-bit search from the top).
*/
int lookUp (const std::array<juce::uint16, 128>& table, juce::uint16 word) noexcept;

/** The checksum word: makes the 61 words sum to 0 modulo 65536. */
juce::uint16 checksumFor (const juce::uint16* words, int count) noexcept;

/** Writes the first numWords words as 183 packed bytes. */
void pack (const Words& words, juce::uint8* destination) noexcept;

/** Reads 61 words back from 183 packed bytes. */
Words unpack (const juce::uint8* source) noexcept;

/** Word i of bytes that keep each word high byte first (library files). */
inline juce::uint16 bigEndianWord (const juce::uint8* bytes, size_t i) noexcept
{
    return juce::ByteOrder::bigEndianShort (bytes + 2 * i);
}

/** Word i of bytes that keep each word low byte first (the instrument's buffer). */
inline juce::uint16 littleEndianWord (const juce::uint8* bytes, size_t i) noexcept
{
    return juce::ByteOrder::littleEndianShort (bytes + 2 * i);
}

inline void putBigEndianWord (juce::uint8* bytes, size_t i, juce::uint16 word) noexcept
{
    bytes[2 * i] = (juce::uint8) (word >> 8);
    bytes[2 * i + 1] = (juce::uint8) (word & 0xff);
}

inline void putLittleEndianWord (juce::uint8* bytes, size_t i, juce::uint16 word) noexcept
{
    bytes[2 * i] = (juce::uint8) (word & 0xff);
    bytes[2 * i + 1] = (juce::uint8) (word >> 8);
}

/** The 61 words of a 124-byte little-endian buffer. */
Words wordsFromBuffer (const std::array<juce::uint8, bufferSize>& buffer) noexcept;
} // namespace PresetDataBlock
