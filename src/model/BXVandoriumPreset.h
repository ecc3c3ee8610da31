#pragma once

#include "PresetDataBlock.h"

#include <juce_core/juce_core.h>

/** One sound of the instrument: a name and 27 parameter values, each held in
    the unit of the control that edits it.

    The instrument's own form of the same sound is the 61-word data block;
    toDataBlock and fromDataBlock convert between the two.
*/
class BXVandoriumPreset
{
public:
    //==============================================================================
    static constexpr int maxNameLength = 13;

    BXVandoriumPreset() = default;
    BXVandoriumPreset (const BXVandoriumPreset&) = default;
    BXVandoriumPreset& operator= (const BXVandoriumPreset&) = default;
    BXVandoriumPreset (BXVandoriumPreset&&) noexcept = default;
    BXVandoriumPreset& operator= (BXVandoriumPreset&&) noexcept = default;
    virtual ~BXVandoriumPreset() = default;

    /** "NEW PRESET", shared so that new records need no allocation of their own. */
    static const juce::String& defaultName();

    /** A name as a preset can hold it: the data block keeps one byte per
        character, so control characters and characters above U+00FF become
        "?"; then cut to maxNameLength characters.
    */
    static juce::String cleanName (const juce::String& text);

    /** Whether a character survives in a preset name unchanged. */
    static bool isNameCharacter (juce::juce_wchar c) noexcept
    {
        return (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c <= 0xff);
    }

    /** Decodes a record from the block's words W0..W60. */
    static BXVandoriumPreset fromDataBlock (const PresetDataBlock::Words& words);

    /** Decodes the values and takes the name from elsewhere (library files
        carry the name outside the block).
    */
    static BXVandoriumPreset fromDataBlock (const PresetDataBlock::Words& words, const juce::String& presetName);

    /** The 124-byte block buffer (W0..W60, then a zero word, little-endian),
        with the slot number in W0 and the checksum in W60.
    */
    std::array<juce::uint8, PresetDataBlock::bufferSize> toDataBlock (int slotNumber) const;

    /** The same block as words. */
    PresetDataBlock::Words toWords (int slotNumber) const;

    /** 0..4 for "Off", "Short Delay", "Med Delay", "Long Delay", "PRESET"
        (case ignored); any other text gives 0.
    */
    static int effectFromName (const juce::String& text);

    /** The 16-character effect text written into the block for an effect value. */
    static const char* effectBlockText (int effect) noexcept;

    bool operator== (const BXVandoriumPreset&) const = default;

    //==============================================================================
    juce::String name { defaultName() };
    juce::uint8 volume = 60;
    juce::uint16 scale = 1;
    juce::uint16 rootNote = 0;
    juce::uint8 pitchCorrection = 0;
    juce::uint16 waveform = 6;
    juce::uint16 scanRate = 0;
    juce::uint16 scanAmount = 0;
    juce::uint16 scanPosition = 0;
    juce::uint16 filterType = 1;
    juce::uint8 filterCutoff = 127;
    juce::uint8 filterResonance = 0;
    juce::uint16 filterPitchTrack = 8192;
    juce::uint16 effect = 4;
    juce::uint16 delayTime = 0;
    juce::uint16 delayFeedback = 0;
    juce::uint16 effectMix = 0;
    juce::uint16 volumeWaveformScanAmount = 8192;
    juce::uint16 volumeWaveformScanRate = 8192;
    juce::uint16 volumeFilterResonance = 8192;
    juce::uint16 volumeFilterCutoff = 8192;
    juce::uint16 volumeVolume = 1024;
    juce::uint16 pitchFilterResonance = 8192;
    juce::uint16 pitchWaveformScanAmount = 8192;
    juce::uint16 pitchWaveformScanRate = 8192;
    juce::uint8 transpose = 64;
    juce::uint8 passThroughLow = 0;
    juce::uint8 passThroughHigh = 0;
};
