#include "model/BankDump.h"
#include "model/PresetFields.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
std::vector<BXVandoriumPreset> numberedPresets (int count)
{
    std::vector<BXVandoriumPreset> presets;

    for (int i = 0; i < count; ++i)
    {
        BXVandoriumPreset preset;
        preset.name = "SLOT " + juce::String (i + 1);
        preset.scanRate = (juce::uint16) (i * 100);
        presets.push_back (preset);
    }

    return presets;
}

std::vector<juce::uint8> bytesOf (const juce::MemoryBlock& block)
{
    const auto* data = static_cast<const juce::uint8*> (block.getData());
    return { data, data + block.getSize() };
}

/** A random record whose every field holds a value its control can produce. */
BXVandoriumPreset randomPreset (juce::Random& random)
{
    BXVandoriumPreset p;
    const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 #-";
    juce::String name;

    for (int i = random.nextInt (14); --i >= 0;)
        name += juce::String::charToString ((juce::juce_wchar) alphabet[random.nextInt ((int) sizeof (alphabet) - 1)]);

    p.name = name.trim();
    p.volume = (juce::uint8) random.nextInt (128);
    p.scale = (juce::uint16) random.nextInt (22);
    p.rootNote = (juce::uint16) random.nextInt (12);
    p.pitchCorrection = (juce::uint8) random.nextInt (128);
    p.waveform = (juce::uint16) random.nextInt (7);
    p.scanRate = (juce::uint16) random.nextInt (16384);
    p.scanAmount = (juce::uint16) random.nextInt (16384);
    p.scanPosition = (juce::uint16) random.nextInt (16384);
    p.filterType = (juce::uint16) random.nextInt (5);
    p.filterCutoff = (juce::uint8) random.nextInt (128);
    p.filterResonance = (juce::uint8) random.nextInt (128);
    p.filterPitchTrack = (juce::uint16) random.nextInt (16384);
    p.effect = (juce::uint16) random.nextInt (5);
    p.delayTime = (juce::uint16) random.nextInt (13696);
    p.delayFeedback = (juce::uint16) random.nextInt (16384);
    p.effectMix = (juce::uint16) random.nextInt (128);
    p.transpose = (juce::uint8) random.nextInt (128);
    p.passThroughLow = (juce::uint8) random.nextInt (256);
    p.passThroughHigh = (juce::uint8) random.nextInt (256);

    for (auto field : { &BXVandoriumPreset::volumeWaveformScanAmount, &BXVandoriumPreset::volumeWaveformScanRate, &BXVandoriumPreset::volumeFilterResonance, &BXVandoriumPreset::volumeFilterCutoff, &BXVandoriumPreset::volumeVolume, &BXVandoriumPreset::pitchFilterResonance, &BXVandoriumPreset::pitchWaveformScanAmount, &BXVandoriumPreset::pitchWaveformScanRate })
        p.*field = (juce::uint16) random.nextInt (16384);

    return p;
}

/** What a record is expected to come back as after one trip through a block:
    the lossy mappings of the instrument's units applied.
*/
BXVandoriumPreset expectedAfterRoundTrip (BXVandoriumPreset p)
{
    const auto centred = [] (juce::uint16 value, int divisor)
    { return (juce::uint16) ((value - 8192) / divisor * divisor + 8192); };

    p.name = p.name.trimEnd().toUpperCase();
    p.filterCutoff = std::max<juce::uint8> (p.filterCutoff, 5);
    p.volumeFilterResonance = centred (p.volumeFilterResonance, 4);
    p.volumeFilterCutoff = centred (p.volumeFilterCutoff, 8);

    for (auto field : { &BXVandoriumPreset::volumeWaveformScanAmount, &BXVandoriumPreset::volumeWaveformScanRate, &BXVandoriumPreset::pitchFilterResonance, &BXVandoriumPreset::pitchWaveformScanAmount, &BXVandoriumPreset::pitchWaveformScanRate })
        p.*field = centred (p.*field, 2);

    return p;
}
} // namespace

TEST (BankDump, EncodesThirtyTwoSlotsWithHeaderAndTrailers)
{
    const auto payload = bytesOf (encodeBankDump (numberedPresets (32)));
    ASSERT_EQ (payload.size(), 6646u);

    const std::vector<juce::uint8> header { 0x04, 0x0b, 0x01, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x60, 0, 0, 0, 0, 0, 0, 0, 0x01 };
    EXPECT_TRUE (std::equal (header.begin(), header.end(), payload.begin()));

    for (int slot = 0; slot < 32; ++slot)
    {
        const auto blockStart = (size_t) (22 + 207 * slot);
        const auto words = PresetDataBlock::unpack (payload.data() + blockStart);
        EXPECT_EQ (words[0], slot);

        juce::uint32 sum = 0;

        for (auto w : words)
            sum += w;

        EXPECT_EQ (sum % 65536, 0u) << "slot " << slot;

        for (size_t i = 0; i < 23; ++i)
            EXPECT_EQ (payload[blockStart + 183 + i], 0);

        EXPECT_EQ (payload[blockStart + 206], 0x01);
    }

    EXPECT_EQ (encodeBankDump (numberedPresets (40)).getSize(), 6646u);
    EXPECT_EQ (encodeBankDump (numberedPresets (5)).getSize(), 22u + 5 * 207);
}

TEST (BankDump, DecodesFramedBareAndShortTrailerForms)
{
    const auto presets = numberedPresets (32);
    const auto payload = bytesOf (encodeBankDump (presets));

    // Framed as a .syx file.
    auto framed = payload;
    framed.insert (framed.begin(), 0xf0);
    framed.push_back (0xf7);

    // Trailers of a single 01 instead of 23 zeros and 01.
    std::vector<juce::uint8> compact (payload.begin(), payload.begin() + 22);

    for (int slot = 0; slot < 32; ++slot)
    {
        const auto start = payload.begin() + 22 + 207 * slot;
        compact.insert (compact.end(), start, start + 183);
        compact.push_back (0x01);
    }

    for (const std::vector<juce::uint8>* form : { &payload, (const std::vector<juce::uint8>*) &framed, (const std::vector<juce::uint8>*) &compact })
    {
        const auto bank = decodeBankDump (form->data(), form->size());
        ASSERT_TRUE (bank.has_value());
        ASSERT_EQ (bank->presets.size(), 32u);
        EXPECT_TRUE (bank->isVirtual);

        for (size_t i = 0; i < 32; ++i)
            EXPECT_EQ (bank->presets[i], presets[i]);
    }

    // An all-zero slot is a record with an empty name, not a gap.
    auto zeroed = payload;
    std::fill (zeroed.begin() + 22, zeroed.begin() + 22 + 183, 0);
    const auto bank = decodeBankDump (zeroed.data(), zeroed.size());
    ASSERT_TRUE (bank.has_value());
    EXPECT_EQ (bank->presets[0].name, "");
}

TEST (BankDump, ShortOrMissingDataGivesNoBank)
{
    const auto payload = bytesOf (encodeBankDump (numberedPresets (32)));

    for (size_t length : { (size_t) 0, (size_t) 1, (size_t) 22, (size_t) 200, payload.size() - 207, payload.size() - 25 })
        EXPECT_FALSE (decodeBankDump (payload.data(), length).has_value()) << "length " << length;

    // Only the last block's trailer may be missing.
    EXPECT_TRUE (decodeBankDump (payload.data(), payload.size() - 24).has_value());

    // Garbage: zeros that never end, or a header alone.
    std::vector<juce::uint8> zeros (6646, 0);
    EXPECT_FALSE (decodeBankDump (zeros.data(), zeros.size()).has_value());

    const std::vector<juce::uint8> onlyFraming { 0xf0, 0xf7 };
    EXPECT_FALSE (decodeBankDump (onlyFraming.data(), onlyFraming.size()).has_value());
    EXPECT_FALSE (decodeBankDump (nullptr, 10).has_value());
}

TEST (BankDump, RandomRecordsSurviveBlockLibraryFileAndBankDump)
{
    TempFolder temp;
    juce::Random random (20261210);

    for (int round = 0; round < 20; ++round)
    {
        std::vector<BXVandoriumPreset> originals;

        for (int i = 0; i < 32; ++i)
            originals.push_back (randomPreset (random));

        // Through the library file (names travel in the attribute)...
        BXVandoriumLibrary library (temp.getRoot().getChildFile ("ROUND.vandorium").getFullPathName(), false);
        library.presets = originals;
        ASSERT_TRUE (library.save());
        const BXVandoriumLibrary reloaded (library.getFilePath(), false);
        ASSERT_EQ (reloaded.presets.size(), 32u);

        // ...then through a bank dump.
        const auto bank = decodeBankDump (encodeBankDump (reloaded.presets));
        ASSERT_TRUE (bank.has_value());

        for (size_t i = 0; i < 32; ++i)
        {
            const auto expected = expectedAfterRoundTrip (originals[i]);
            EXPECT_EQ (bank->presets[i], expected) << "round " << round << " slot " << i;

            // A second trip changes nothing more.
            const auto again = BXVandoriumPreset::fromDataBlock (bank->presets[i].toWords (0));
            EXPECT_EQ (again, bank->presets[i]);
        }
    }
}
