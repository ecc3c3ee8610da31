#include "DeviceSender.h"

#include "ControllerMap.h"
#include "DeviceMessages.h"

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

void DeviceSender::sendEffectName (const juce::String& effectName)
{
    ports.broadcast (DeviceMessages::effectNameMessage (effectName, selectedSlot != nullptr ? selectedSlot() : -1));
}

void DeviceSender::broadcast (const juce::MidiMessage& message)
{
    ports.broadcast (message);
}
