#include "JuceMidiBackend.h"

namespace
{
juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
{
    juce::StringArray names;

    for (const auto& device : devices)
        names.add (device.name);

    return names;
}

class JuceInputPort final : public MidiInputPort
{
public:
    explicit JuceInputPort (std::unique_ptr<juce::MidiInput> in)
        : input (std::move (in))
    {
    }
    ~JuceInputPort() override { input->stop(); }

    void start() override { input->start(); }

private:
    std::unique_ptr<juce::MidiInput> input;
};

class JuceOutputPort final : public MidiOutputPort
{
public:
    explicit JuceOutputPort (std::unique_ptr<juce::MidiOutput> out)
        : output (std::move (out))
    {
    }

    void sendMessageNow (const juce::MidiMessage& message) override { output->sendMessageNow (message); }

private:
    std::unique_ptr<juce::MidiOutput> output;
};
} // namespace

juce::StringArray JuceMidiBackend::getInputNames()
{
    return namesOf (juce::MidiInput::getAvailableDevices());
}

juce::StringArray JuceMidiBackend::getOutputNames()
{
    return namesOf (juce::MidiOutput::getAvailableDevices());
}

std::unique_ptr<MidiInputPort> JuceMidiBackend::openInput (int index, juce::MidiInputCallback* callback)
{
    const auto devices = juce::MidiInput::getAvailableDevices();

    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;

    if (auto input = juce::MidiInput::openDevice (devices[index].identifier, callback))
        return std::make_unique<JuceInputPort> (std::move (input));

    return nullptr;
}

std::unique_ptr<MidiOutputPort> JuceMidiBackend::openOutput (int index)
{
    const auto devices = juce::MidiOutput::getAvailableDevices();

    if (! juce::isPositiveAndBelow (index, devices.size()))
        return nullptr;

    if (auto output = juce::MidiOutput::openDevice (devices[index].identifier))
        return std::make_unique<JuceOutputPort> (std::move (output));

    return nullptr;
}
