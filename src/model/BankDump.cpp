#include "BankDump.h"

namespace BankDump
{
const std::array<juce::uint8, headerSize>& header()
{
    static const std::array<juce::uint8, headerSize> bytes { 0x04, 0x0b, 0x01, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x60, 0, 0, 0, 0, 0, 0, 0, 0x01 };
    return bytes;
}

const std::array<juce::uint8, headerSize>& presetDumpHeader()
{
    static const std::array<juce::uint8, headerSize> bytes { 0x04, 0x0b, 0x04, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x60, 0, 0, 0, 0, 0, 0, 0, 0x01 };
    return bytes;
}
} // namespace BankDump

std::optional<BXVandoriumLibrary> decodeBankDump (const juce::uint8* data, size_t length)
{
    if (data == nullptr || length == 0)
        return std::nullopt;

    if (data[0] == 0xf0)
    {
        ++data;
        --length;
    }

    if (length > 0 && data[length - 1] == 0xf7)
        --length;

    BXVandoriumLibrary library;
    library.presets.reserve (BankDump::numSlots);

    size_t p = BankDump::headerSize;

    for (int slot = 0; slot < BankDump::numSlots; ++slot)
    {
        if (p + PresetDataBlock::packedSize > length)
            return std::nullopt;

        library.presets.push_back (BXVandoriumPreset::fromDataBlock (PresetDataBlock::unpack (data + p)));
        p += PresetDataBlock::packedSize;

        // Any run of zeros followed by one non-zero byte separates two blocks.
        while (p < length && data[p] == 0)
            ++p;

        ++p;
    }

    return library;
}

std::optional<BXVandoriumLibrary> decodeBankDump (const juce::MemoryBlock& data)
{
    return decodeBankDump (static_cast<const juce::uint8*> (data.getData()), data.getSize());
}

juce::MemoryBlock encodeBankDump (const std::vector<BXVandoriumPreset>& presets)
{
    const auto count = std::min<size_t> (presets.size(), BankDump::numSlots);

    juce::MemoryBlock block (BankDump::headerSize + count * BankDump::slotSize, true);
    auto* out = static_cast<juce::uint8*> (block.getData());

    std::copy (BankDump::header().begin(), BankDump::header().end(), out);
    out += BankDump::headerSize;

    for (size_t slot = 0; slot < count; ++slot)
    {
        PresetDataBlock::pack (presets[slot].toWords ((int) slot), out);
        out += PresetDataBlock::packedSize;
        out[BankDump::trailerSize - 1] = 0x01; // 23 zeros, then 01
        out += BankDump::trailerSize;
    }

    return block;
}
