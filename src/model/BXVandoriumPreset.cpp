#include "BXVandoriumPreset.h"

#include "EffectTable.h"

namespace
{
using Word = juce::uint16;

// Integer division truncating toward zero, reduced to 16 bits (two's complement).
Word signedWord (int value, int centre, int divisor) noexcept
{
    return (Word) ((value - centre) / divisor);
}

Word timesTwoPlusCentre (Word word) noexcept
{
    return (Word) ((word + 4096) * 2);
}

/** An effect's name padded with spaces to the block's 16 characters. */
const char* effectBlockTextOf (size_t effect) noexcept
{
    static const auto texts = []
    {
        std::array<std::array<char, EffectTable::blockTextLength + 1>, EffectTable::effects.size()> padded {};

        for (size_t e = 0; e < padded.size(); ++e)
        {
            padded[e].fill (' ');
            const auto* name = EffectTable::effects[e].name;
            std::copy (name, name + std::strlen (name), padded[e].begin());
            padded[e].back() = 0;
        }

        return padded;
    }();

    return texts[effect].data();
}

// Names are nearly always ASCII; keep the locale-aware calls for the rest.
bool isSpaceByte (juce::uint8 b) noexcept
{
    return b < 0x80 ? (b == ' ' || (b >= 9 && b <= 13)) : juce::CharacterFunctions::isWhitespace ((juce::juce_wchar) b);
}

juce::juce_wchar upperOf (juce::uint8 b) noexcept
{
    if (b < 0x80)
        return (juce::juce_wchar) (b >= 'a' && b <= 'z' ? b - 32 : b);

    return juce::CharacterFunctions::toUpperCase ((juce::juce_wchar) b);
}

// Bytes up to the first zero, as code points, without trailing white space.
int trimmedLength (const juce::uint8* bytes, int count) noexcept
{
    int length = 0;

    while (length < count && bytes[length] != 0)
        ++length;

    while (length > 0 && isSpaceByte (bytes[length - 1]))
        --length;

    return length;
}

juce::String decodeName (const juce::uint8* bytes, int count)
{
    // Cut, then trim again: a fourteenth character would otherwise keep the
    // spaces before it, which the next encoding and decoding drop.
    auto length = std::min (trimmedLength (bytes, count), BXVandoriumPreset::maxNameLength);

    while (length > 0 && isSpaceByte (bytes[length - 1]))
        --length;

    juce::juce_wchar characters[BXVandoriumPreset::maxNameLength + 1] = {};

    for (int i = 0; i < length; ++i)
    {
        const auto c = (juce::juce_wchar) upperOf (bytes[i]);
        characters[i] = BXVandoriumPreset::isNameCharacter (c) ? c : '?';
    }

    return juce::String (juce::CharPointer_UTF32 (characters));
}

int effectFromBytes (const juce::uint8* bytes, int count) noexcept
{
    const auto length = trimmedLength (bytes, count);

    for (size_t i = 0; i < EffectTable::effects.size(); ++i)
    {
        const auto* name = EffectTable::effects[i].name;

        if ((int) std::strlen (name) != length)
            continue;

        bool same = true;

        for (int k = 0; k < length && same; ++k)
            same = upperOf (bytes[k]) == upperOf ((juce::uint8) name[k]);

        if (same)
            return (int) i;
    }

    return 0;
}
} // namespace

//==============================================================================
const juce::String& BXVandoriumPreset::defaultName()
{
    static const juce::String text ("NEW PRESET");
    return text;
}

juce::String BXVandoriumPreset::cleanName (const juce::String& text)
{
    auto source = text.getCharPointer();

    // Nearly every name is already clean and short.
    if (text.length() <= maxNameLength)
    {
        bool clean = true;

        for (auto p = source; ! p.isEmpty() && clean;)
            clean = isNameCharacter (p.getAndAdvance());

        if (clean)
            return text;
    }

    juce::juce_wchar characters[maxNameLength + 1] = {};

    for (int i = 0; i < maxNameLength && ! source.isEmpty(); ++i)
    {
        const auto c = source.getAndAdvance();
        characters[i] = isNameCharacter (c) ? c : '?';
    }

    return juce::String (juce::CharPointer_UTF32 (characters));
}

const char* BXVandoriumPreset::effectBlockText (int effectValue) noexcept
{
    return effectBlockTextOf (effectValue >= 1 && effectValue <= EffectTable::presetEffect ? (size_t) effectValue : 0);
}

int BXVandoriumPreset::effectFromName (const juce::String& text)
{
    for (size_t i = 0; i < EffectTable::effects.size(); ++i)
        if (text.equalsIgnoreCase (EffectTable::effects[i].name))
            return (int) i;

    return 0;
}

//==============================================================================
PresetDataBlock::Words BXVandoriumPreset::toWords (int slotNumber) const
{
    PresetDataBlock::Words w {};
    w[0] = (Word) slotNumber;
    w[39] = 1;

    auto character = name.getCharPointer();

    // One byte per character: what a byte cannot hold is stored as "?",
    // never as its low bits (U+0100 would otherwise end the name).
    for (int k = 0; k < 14; ++k)
    {
        const auto c = character.isEmpty() ? (juce::juce_wchar) 0x20 : character.getAndAdvance();
        w[(size_t) (1 + k)] = isNameCharacter (c) ? (Word) c : (Word) '?';
    }

    w[57] = volume >= 128 ? (Word) 16254 : PresetDataBlock::volumeTable()[volume];
    w[16] = scale;
    w[17] = rootNote;
    w[18] = (Word) (pitchCorrection * 129);
    w[40] = (Word) std::min<int> (waveform, 3);
    w[42] = waveform >= 3 ? (Word) (waveform - 3) : (Word) 0;
    w[41] = scanRate;
    w[50] = (Word) (scanAmount * 2);
    w[49] = (Word) (scanPosition * 2);
    w[45] = filterType;
    w[43] = filterCutoff >= 128 ? (Word) 12500 : PresetDataBlock::cutoffTable()[filterCutoff];
    w[44] = (Word) (filterResonance * 129);
    w[46] = signedWord (filterPitchTrack, 8192, 1);

    // The five effect texts as words, built once.
    static const auto effectWords = []
    {
        std::array<std::array<Word, 8>, EffectTable::effects.size()> words {};

        for (size_t e = 0; e < words.size(); ++e)
        {
            const auto* text = effectBlockTextOf (e);

            for (size_t i = 0; i < 8; ++i)
                words[e][i] = PresetDataBlock::littleEndianWord (reinterpret_cast<const juce::uint8*> (text), i);
        }

        return words;
    }();

    const auto& effectText = effectWords[effect <= EffectTable::presetEffect ? effect : 0];
    std::copy (effectText.begin(), effectText.end(), w.begin() + 27);

    w[21] = delayTime;
    w[23] = delayFeedback;
    w[26] = (Word) (effectMix * 129);
    w[54] = signedWord (volumeWaveformScanAmount, 8192, 2);
    w[52] = signedWord (volumeWaveformScanRate, 8192, 2);
    w[47] = signedWord (volumeFilterResonance, 8192, 4);
    w[48] = signedWord (volumeFilterCutoff, 8192, 8);
    w[56] = volumeVolume;
    w[55] = signedWord (pitchFilterResonance, 8192, 2);
    w[53] = signedWord (pitchWaveformScanAmount, 8192, 2);
    w[51] = signedWord (pitchWaveformScanRate, 8192, 2);
    w[19] = signedWord (transpose, 64, 1);
    w[58] = (Word) (passThroughLow | (passThroughHigh << 8));

    w[60] = PresetDataBlock::checksumFor (w.data(), 60);
    return w;
}

std::array<juce::uint8, PresetDataBlock::bufferSize> BXVandoriumPreset::toDataBlock (int slotNumber) const
{
    const auto words = toWords (slotNumber);
    std::array<juce::uint8, PresetDataBlock::bufferSize> buffer {};

    for (size_t i = 0; i < words.size(); ++i)
        PresetDataBlock::putLittleEndianWord (buffer.data(), i, words[i]);

    return buffer;
}

BXVandoriumPreset BXVandoriumPreset::fromDataBlock (const PresetDataBlock::Words& w)
{
    juce::uint8 nameBytes[14];

    for (int k = 0; k < 14; ++k)
        nameBytes[k] = (juce::uint8) (w[(size_t) (1 + k)] & 0xff);

    return fromDataBlock (w, decodeName (nameBytes, 14));
}

BXVandoriumPreset BXVandoriumPreset::fromDataBlock (const PresetDataBlock::Words& w, const juce::String& presetName)
{
    BXVandoriumPreset p;
    p.name = presetName;

    p.scale = w[16];
    p.rootNote = w[17];
    p.pitchCorrection = (juce::uint8) (w[18] / 129);
    p.transpose = (juce::uint8) (((w[19] & 0xff) + 64) & 0xff);
    p.delayTime = w[21];
    p.delayFeedback = w[23];
    p.effectMix = (Word) (w[26] / 129);

    juce::uint8 effectBytes[16];

    for (size_t i = 0; i < 8; ++i)
        PresetDataBlock::putLittleEndianWord (effectBytes, i, w[27 + i]);

    p.effect = (Word) effectFromBytes (effectBytes, 16);

    p.waveform = w[40] < 3 ? w[40] : (Word) (w[42] + 3);
    p.scanRate = w[41];
    p.filterCutoff = (juce::uint8) PresetDataBlock::lookUp (PresetDataBlock::cutoffTable(), w[43]);
    p.filterResonance = (juce::uint8) (w[44] / 129);
    p.filterType = w[45];
    p.filterPitchTrack = (Word) (w[46] + 8192);
    p.volumeFilterResonance = (Word) ((w[47] + 2048) * 4);
    p.volumeFilterCutoff = (Word) ((w[48] + 1024) * 8);
    p.scanPosition = (Word) (w[49] >> 1);
    p.scanAmount = (Word) (w[50] >> 1);
    p.pitchWaveformScanRate = timesTwoPlusCentre (w[51]);
    p.volumeWaveformScanRate = timesTwoPlusCentre (w[52]);
    p.pitchWaveformScanAmount = timesTwoPlusCentre (w[53]);
    p.volumeWaveformScanAmount = timesTwoPlusCentre (w[54]);
    p.pitchFilterResonance = timesTwoPlusCentre (w[55]);
    p.volumeVolume = w[56];
    p.volume = (juce::uint8) PresetDataBlock::lookUp (PresetDataBlock::volumeTable(), w[57]);
    p.passThroughLow = (juce::uint8) (w[58] & 0xff);
    p.passThroughHigh = (juce::uint8) (w[58] >> 8);
    return p;
}
