#include "DeviceSender.h"

#include "ControllerMap.h"
#include "DeviceMessages.h"
#include "model/EffectTable.h"
#include "model/ParameterTable.h"
#include "model/PresetFields.h"

DeviceSender::DeviceSender (DevicePorts& p, std::function<int()> source)
    : ports (p)
    , selectedSlot (std::move (source))
{
}

void DeviceSender::sendPackedMessage (int descriptor, int value)
{
    using namespace ControllerMap;

    switch (statusOf (descriptor))
    {
        case 0xc0:
            ports.broadcast (juce::MidiMessage::programChange (1, value & 0x7f));
            break;

        case 0xb0:
            if (! isFourteenBit (descriptor))
                ports.broadcast (juce::MidiMessage::controllerEvent (1, controllerOf (descriptor), value & 0x7f));
            else
                ports.broadcastPair (juce::MidiMessage::controllerEvent (1, controllerOf (descriptor), (value >> 7) & 0x7f),
                                     juce::MidiMessage::controllerEvent (1, lowControllerOf (descriptor), value & 0x7f));
            break;

        default:
            break;
    }
}

void DeviceSender::sendPresetName (const juce::String& name)
{
    ports.broadcast (DeviceMessages::presetNameMessage (name));
}

void DeviceSender::sendPreset (const BXVandoriumPreset& preset)
{
    sendPresetName (preset.name);

    // The three scan knobs do nothing for the first three waveforms; the
    // views send them as 0 there, and so does this.
    constexpr int firstScanningWaveform = 3;
    const auto scanning = preset.waveform >= firstScanningWaveform;

    for (const auto& parameter : ParameterTable::parameters())
    {
        if (parameter.presetField == nullptr)
            continue;

        const auto* field = findPresetField (parameter.presetField);
        const auto value = juce::jlimit (parameter.minimum, parameter.maximum, field->get (preset));

        if (parameter.descriptor == 0)
        {
            sendEffectName (EffectTable::effects[(size_t) value].listText);
            continue;
        }

        const juce::String name (parameter.presetField);
        const auto isScanKnob = name == "scanRate" || name == "scanAmount" || name == "scanPosition";
        sendPackedMessage (parameter.descriptor, isScanKnob && ! scanning ? 0 : value);
    }
}

void DeviceSender::sendEffectName (const juce::String& effectName)
{
    ports.broadcast (DeviceMessages::effectNameMessage (effectName, selectedSlot != nullptr ? selectedSlot() : -1));
}

void DeviceSender::broadcast (const juce::MidiMessage& message)
{
    ports.broadcast (message);
}
