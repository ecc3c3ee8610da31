#include "BankDumpFile.h"

#include "SafeFileReader.h"

namespace BankDumpFile
{
std::vector<BXVandoriumPreset> bankOf (const std::vector<BXVandoriumPreset>& presets)
{
    std::vector<BXVandoriumPreset> bank (presets.begin(), presets.begin() + (std::ptrdiff_t) std::min (presets.size(), (size_t) BankDump::numSlots));

    for (auto n = bank.size(); n < (size_t) BankDump::numSlots; ++n)
    {
        BXVandoriumPreset filler;
        filler.name = "PRESET " + juce::String ((int) n + 1);
        bank.push_back (filler);
    }

    return bank;
}

juce::MemoryBlock encode (const std::vector<BXVandoriumPreset>& presets)
{
    const auto payload = encodeBankDump (bankOf (presets));
    juce::MemoryBlock message;
    message.append ("\xf0", 1);
    message.append (payload.getData(), payload.getSize());
    message.append ("\xf7", 1);
    return message;
}

bool looksLikeBankFile (const void* data, size_t size) noexcept
{
    const auto* bytes = static_cast<const juce::uint8*> (data);
    return (size > 0 && bytes[0] == 0xf0) || (size > 1 && bytes[0] == BankDump::header()[0] && bytes[1] == BankDump::header()[1]);
}

ReadResult decode (const void* data, size_t size, const juce::String& fileName)
{
    const auto* bytes = static_cast<const juce::uint8*> (data);
    const auto* body = bytes;
    auto bodySize = size;

    if (bodySize > 0 && body[0] == 0xf0)
    {
        ++body;
        --bodySize;
    }

    if (bodySize > 0 && body[bodySize - 1] == 0xf7)
        --bodySize;

    const auto& header = BankDump::header();

    if (bodySize < header.size() || ! std::equal (header.begin(), header.end(), body))
        return { {}, fileName + " is not a Vandorium bank dump: it does not start with the bank dump header.", false };

    // Inside one SysEx message every byte is a MIDI data byte: anything else
    // is a damaged file or several messages run together.
    for (size_t i = 0; i < bodySize; ++i)
        if (body[i] >= 0x80)
            return { {}, fileName + " is garbled: byte " + juce::String ((juce::int64) (body - bytes + (std::ptrdiff_t) i) + 1) + " (0x" + juce::String::toHexString ((int) body[i]).toUpperCase() + ") cannot be part of a bank dump.", false };

    auto bank = decodeBankDump (body, bodySize);

    if (! bank.has_value())
        return { {}, fileName + " is too short to hold 32 presets (" + juce::String ((juce::int64) size) + " bytes; a bank dump has " + juce::String (BankDump::payloadSize + 2) + ").", true };

    return { std::move (bank->presets), {}, false };
}

ReadResult read (const juce::File& file)
{
    const auto result = readWholeFile (file, maxFileBytes);

    if (! result.ok())
        return { {}, file.getFileName() + " could not be read: it " + result.describe (maxFileBytes) + ".", false };

    return decode (result.bytes.data(), result.bytes.size(), file.getFileName());
}
} // namespace BankDumpFile
