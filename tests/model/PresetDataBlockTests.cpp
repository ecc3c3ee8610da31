#include "model/BXVandoriumPreset.h"

#include <gtest/gtest.h>

namespace
{
PresetDataBlock::Words wordsWithName (const char* text)
{
    PresetDataBlock::Words words = BXVandoriumPreset().toWords (0);

    for (int k = 0; k < 14; ++k)
        words[(size_t) (1 + k)] = 0x20;

    for (int k = 0; text[k] != 0 && k < 14; ++k)
        words[(size_t) (1 + k)] = (juce::uint8) text[k];

    return words;
}

PresetDataBlock::Words wordsWithEffectText (const char* text16)
{
    auto words = BXVandoriumPreset().toWords (0);

    for (int i = 0; i < 8; ++i)
        words[(size_t) (27 + i)] = (juce::uint16) ((juce::uint8) text16[2 * i] | ((juce::uint8) text16[2 * i + 1] << 8));

    return words;
}
} // namespace

TEST (PresetDataBlock, DefaultRecordEncodesToTheInstrumentsWords)
{
    const BXVandoriumPreset preset;
    const auto w = preset.toWords (7);

    EXPECT_EQ (w[0], 7);

    const char* name = "NEW PRESET";

    for (int k = 0; k < 10; ++k)
        EXPECT_EQ (w[(size_t) (1 + k)], (juce::uint16) name[k]);

    for (int k = 11; k <= 14; ++k)
        EXPECT_EQ (w[(size_t) k], 0x20);

    EXPECT_EQ (w[16], 1);
    EXPECT_EQ (w[40], 3);
    EXPECT_EQ (w[42], 3);
    EXPECT_EQ (w[43], 12500);
    EXPECT_EQ (w[46], 0);
    EXPECT_EQ (w[57], 7679);
    EXPECT_EQ (w[56], 1024);
    EXPECT_EQ (w[19], 0);
    EXPECT_EQ (w[39], 1);

    for (auto index : { 54, 52, 47, 48, 53, 51, 55 })
        EXPECT_EQ (w[(size_t) index], 0) << "word " << index;

    const char* effect = "PRESET          ";

    for (int i = 0; i < 8; ++i)
        EXPECT_EQ (w[(size_t) (27 + i)], (juce::uint16) (effect[2 * i] | (effect[2 * i + 1] << 8)));

    juce::uint32 sum = 0;

    for (auto word : w)
        sum += word;

    EXPECT_EQ (sum % 65536, 0u);
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (w), preset);
}

TEST (PresetDataBlock, BufferIsLittleEndianWithATrailingZeroWord)
{
    const auto buffer = BXVandoriumPreset().toDataBlock (0x0102);
    EXPECT_EQ (buffer.size(), 124u);
    EXPECT_EQ (buffer[0], 0x02);
    EXPECT_EQ (buffer[1], 0x01);
    EXPECT_EQ (buffer[122], 0);
    EXPECT_EQ (buffer[123], 0);
    EXPECT_EQ (PresetDataBlock::wordsFromBuffer (buffer), BXVandoriumPreset().toWords (0x0102));
}

TEST (PresetDataBlock, SignedAndOffsetConversions)
{
    struct Case
    {
        juce::uint16 BXVandoriumPreset::*field;
        int value;
        int wordIndex;
        juce::uint16 expectedWord;
        int decodedBack;
    };

    using P = BXVandoriumPreset;

    const Case cases[] = {
        { &P::volumeFilterCutoff, 8199, 48, 0, 8192 },
        { &P::volumeFilterCutoff, 0, 48, 0xfc00, 0 },
        { &P::volumeFilterCutoff, 16383, 48, 1023, 16376 },
        { &P::volumeWaveformScanAmount, 8191, 54, 0, 8192 },
        { &P::volumeWaveformScanAmount, 0, 54, 0xf000, 0 },
        { &P::volumeFilterResonance, 0, 47, 0xf800, 0 },
        { &P::volumeFilterResonance, 8197, 47, 1, 8196 },
        { &P::filterPitchTrack, 0, 46, 0xe000, 0 },
        { &P::filterPitchTrack, 16383, 46, 8191, 16383 },
        { &P::pitchWaveformScanRate, 16383, 51, 4095, 16382 },
        { &P::scanAmount, 16383, 50, 32766, 16383 },
        { &P::scanPosition, 100, 49, 200, 100 },
        { &P::delayTime, 13695, 21, 13695, 13695 },
    };

    for (const auto& c : cases)
    {
        BXVandoriumPreset preset;
        preset.*c.field = (juce::uint16) c.value;
        const auto words = preset.toWords (0);
        EXPECT_EQ (words[(size_t) c.wordIndex], c.expectedWord) << "value " << c.value << " word " << c.wordIndex;
        EXPECT_EQ (BXVandoriumPreset::fromDataBlock (words).*c.field, c.decodedBack) << "value " << c.value;
    }

    BXVandoriumPreset preset;
    preset.transpose = 0;
    EXPECT_EQ (preset.toWords (0)[19], 0xffc0);
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (preset.toWords (0)).transpose, 0);

    preset.transpose = 127;
    EXPECT_EQ (preset.toWords (0)[19], 63);
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (preset.toWords (0)).transpose, 127);

    preset.pitchCorrection = 127;
    preset.effectMix = 127;
    preset.filterResonance = 127;
    const auto words = preset.toWords (0);
    EXPECT_EQ (words[18], 16383);
    EXPECT_EQ (words[26], 16383);
    EXPECT_EQ (words[44], 16383);
}

TEST (PresetDataBlock, TablesAndTheirLookUp)
{
    const auto& volume = PresetDataBlock::volumeTable();
    EXPECT_EQ (volume[0], 0);
    EXPECT_EQ (volume[1], 127);
    EXPECT_EQ (volume[64], 8191);
    EXPECT_EQ (volume[65], 8318);
    EXPECT_EQ (volume[127], 16254);

    const auto& cutoff = PresetDataBlock::cutoffTable();

    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ (cutoff[(size_t) i], 15);

    EXPECT_EQ (cutoff[6], 16);
    EXPECT_EQ (cutoff[64], 1612);
    EXPECT_EQ (cutoff[127], 12500);

    for (int value = 0; value < 128; ++value)
    {
        BXVandoriumPreset preset;
        preset.volume = (juce::uint8) value;
        preset.filterCutoff = (juce::uint8) value;
        const auto decoded = BXVandoriumPreset::fromDataBlock (preset.toWords (0));
        EXPECT_EQ (decoded.volume, value);
        EXPECT_EQ (decoded.filterCutoff, value < 5 ? 5 : value);
    }

    // Values beyond the tables take the last entry; words between entries
    // read back as the lower index.
    BXVandoriumPreset loud;
    loud.volume = 200;
    loud.filterCutoff = 128;
    EXPECT_EQ (loud.toWords (0)[57], 16254);
    EXPECT_EQ (loud.toWords (0)[43], 12500);
    EXPECT_EQ (PresetDataBlock::lookUp (volume, 0), 0);
    EXPECT_EQ (PresetDataBlock::lookUp (volume, 126), 0);
    EXPECT_EQ (PresetDataBlock::lookUp (volume, 8317), 64);
    EXPECT_EQ (PresetDataBlock::lookUp (volume, 65535), 127);
}

TEST (PresetDataBlock, WaveformSplitsIntoGroupAndWavetable)
{
    const struct
    {
        int waveform, group, table;
    } cases[] = { { 0, 0, 0 }, { 2, 2, 0 }, { 3, 3, 0 }, { 5, 3, 2 }, { 6, 3, 3 } };

    for (const auto& c : cases)
    {
        BXVandoriumPreset preset;
        preset.waveform = (juce::uint16) c.waveform;
        const auto words = preset.toWords (0);
        EXPECT_EQ (words[40], c.group);
        EXPECT_EQ (words[42], c.table);
        EXPECT_EQ (BXVandoriumPreset::fromDataBlock (words).waveform, c.waveform);
    }

    auto words = BXVandoriumPreset().toWords (0);
    words[40] = 7;
    words[42] = 1;
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (words).waveform, 4);
}

TEST (PresetDataBlock, NameRules)
{
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (wordsWithName ("abcd")).name, "ABCD");
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (wordsWithName ("abcdefghijklmn")).name, "ABCDEFGHIJKLM");

    auto early = wordsWithName ("AB");
    early[3] = 0;
    early[4] = 'Z';
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (early).name, "AB");

    BXVandoriumPreset longName;
    longName.name = "ABCDEFGHIJKLMNO";
    const auto words = longName.toWords (0);
    EXPECT_EQ (words[14], 'N');
    EXPECT_EQ (words[15], 0);
}

TEST (PresetDataBlock, EffectNames)
{
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (wordsWithEffectText ("long delay      ")).effect, 3);
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (wordsWithEffectText ("Reverb          ")).effect, 0);
    EXPECT_EQ (BXVandoriumPreset::fromDataBlock (wordsWithEffectText ("Med Delay\0xxxxxx")).effect, 2);

    for (int effect = 0; effect <= 5; ++effect)
    {
        BXVandoriumPreset preset;
        preset.effect = (juce::uint16) effect;
        EXPECT_EQ (BXVandoriumPreset::fromDataBlock (preset.toWords (0)).effect, effect == 5 ? 0 : effect);
    }
}

TEST (PresetDataBlock, PackingKeepsEveryByteBelow0x80)
{
    PresetDataBlock::Words words {};

    for (size_t i = 0; i < words.size(); ++i)
        words[i] = (juce::uint16) (i * 1097 + (i % 2 == 0 ? 0xffff : 0));

    juce::uint8 packed[PresetDataBlock::packedSize];
    PresetDataBlock::pack (words, packed);

    for (int i = 0; i < PresetDataBlock::packedSize; ++i)
    {
        EXPECT_LT (packed[i], 0x80);

        if (i % 3 == 0)
        {
            EXPECT_GE (packed[i], 0x40);
        }
    }

    EXPECT_EQ (PresetDataBlock::unpack (packed), words);
}

TEST (PresetNames, WhatAByteCannotHoldIsStoredAsAQuestionMark)
{
    const struct
    {
        juce::String name, stored;
    } cases[] = {
        { juce::String (juce::CharPointer_UTF8 ("\xc4\x80" "BC")), "?BC" }, // U+0100 would end the name as a zero byte
        { juce::String (juce::CharPointer_UTF8 ("\xe2\x82\xac" "5")), "?5" },
        { juce::String::charToString (0x1b) + "X", "?X" },
        { juce::String (juce::CharPointer_UTF8 ("CAF\xc3\x89")), juce::String (juce::CharPointer_UTF8 ("CAF\xc3\x89")) },
    };

    for (const auto& c : cases)
    {
        BXVandoriumPreset preset;
        preset.name = c.name;
        EXPECT_EQ (BXVandoriumPreset::fromDataBlock (preset.toWords (0)).name, c.stored) << c.stored;
        EXPECT_EQ (BXVandoriumPreset::cleanName (c.name), c.stored);
    }

    EXPECT_EQ (BXVandoriumPreset::cleanName ("FOURTEEN CHARS"), "FOURTEEN CHAR");
}
