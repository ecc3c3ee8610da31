#include "PresetDataBlock.h"

#include <cmath>

namespace PresetDataBlock
{
const std::array<juce::uint16, 128>& volumeTable()
{
    static const auto table = []
    {
        std::array<juce::uint16, 128> t {};

        for (int i = 1; i < 128; ++i)
            t[(size_t) i] = (juce::uint16) (i <= 64 ? 128 * i - 1 : 128 * i - 2);

        return t;
    }();

    return table;
}

const std::array<juce::uint16, 128>& cutoffTable()
{
    static const auto table = []
    {
        std::array<juce::uint16, 128> t {};

        for (int i = 0; i < 128; ++i)
            t[(size_t) i] = (juce::uint16) std::floor (15.0 + 12485.0 * std::pow ((double) i / 127.0, 3.0));

        return t;
    }();

    return table;
}

int lookUp (const std::array<juce::uint16, 128>& table, juce::uint16 word) noexcept
{
    int index = 0;

    for (int bit = 64; bit > 0; bit >>= 1)
        if (word >= table[(size_t) (index | bit)])
            index |= bit;

    return index;
}

juce::uint16 checksumFor (const juce::uint16* words, int count) noexcept
{
    juce::uint32 sum = 0;

    for (int i = 0; i < count; ++i)
        sum += words[i];

    return (juce::uint16) (0u - sum);
}

void pack (const Words& words, juce::uint8* destination) noexcept
{
    for (auto word : words)
    {
        *destination++ = (juce::uint8) (0x40 | ((word >> 12) & 0x0f));
        *destination++ = (juce::uint8) ((word >> 6) & 0x3f);
        *destination++ = (juce::uint8) (word & 0x3f);
    }
}

Words unpack (const juce::uint8* source) noexcept
{
    Words words {};

    for (auto& word : words)
    {
        // The marker bit 0x40 of the first byte falls outside the 16 bits.
        word = (juce::uint16) ((source[0] << 12) | (source[1] << 6) | source[2]);
        source += 3;
    }

    return words;
}

Words wordsFromBuffer (const std::array<juce::uint8, bufferSize>& buffer) noexcept
{
    Words words {};

    for (size_t i = 0; i < words.size(); ++i)
        words[i] = littleEndianWord (buffer.data(), i);

    return words;
}
} // namespace PresetDataBlock
