#include "PresetFields.h"

namespace
{
template <typename Type>
PresetField makeField (const char* fieldName, Type BXVandoriumPreset::*member)
{
    return { fieldName,
             (int) std::numeric_limits<Type>::max(),
             [member] (const BXVandoriumPreset& p)
             { return (int) (p.*member); },
             [member] (BXVandoriumPreset& p, int value)
             { p.*member = (Type) value; } };
}
} // namespace

const std::vector<PresetField>& presetFields()
{
    using P = BXVandoriumPreset;

    static const std::vector<PresetField> fields {
        makeField ("volume", &P::volume),
        makeField ("scale", &P::scale),
        makeField ("rootNote", &P::rootNote),
        makeField ("pitchCorrection", &P::pitchCorrection),
        makeField ("waveform", &P::waveform),
        makeField ("scanRate", &P::scanRate),
        makeField ("scanAmount", &P::scanAmount),
        makeField ("scanPosition", &P::scanPosition),
        makeField ("filterType", &P::filterType),
        makeField ("filterCutoff", &P::filterCutoff),
        makeField ("filterResonance", &P::filterResonance),
        makeField ("filterPitchTrack", &P::filterPitchTrack),
        makeField ("effect", &P::effect),
        makeField ("delayTime", &P::delayTime),
        makeField ("delayFeedback", &P::delayFeedback),
        makeField ("effectMix", &P::effectMix),
        makeField ("volumeWaveformScanAmount", &P::volumeWaveformScanAmount),
        makeField ("volumeWaveformScanRate", &P::volumeWaveformScanRate),
        makeField ("volumeFilterResonance", &P::volumeFilterResonance),
        makeField ("volumeFilterCutoff", &P::volumeFilterCutoff),
        makeField ("volumeVolume", &P::volumeVolume),
        makeField ("pitchFilterResonance", &P::pitchFilterResonance),
        makeField ("pitchWaveformScanAmount", &P::pitchWaveformScanAmount),
        makeField ("pitchWaveformScanRate", &P::pitchWaveformScanRate),
        makeField ("transpose", &P::transpose),
        makeField ("passThroughLow", &P::passThroughLow),
        makeField ("passThroughHigh", &P::passThroughHigh),
    };

    return fields;
}

const PresetField* findPresetField (const juce::String& fieldName)
{
    for (const auto& field : presetFields())
        if (fieldName == field.name)
            return &field;

    return nullptr;
}
