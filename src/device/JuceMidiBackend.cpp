#include "JuceMidiBackend.h"

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#endif

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
#if JUCE_LINUX
void reportFirstAlsaError (const char*, int, const char*, int, const char* format, ...)
{
    static std::atomic<bool> reported { false };

    if (reported.exchange (true))
        return;

    std::fputs ("Vandorium Editor: no MIDI ports (", stderr);
    va_list arguments;
    va_start (arguments, format);
    std::vfprintf (stderr, format, arguments);
    va_end (arguments);
    std::fputs ("); further MIDI system messages are not shown\n", stderr);
}
#endif
} // namespace

JuceMidiBackend::JuceMidiBackend()
{
#if JUCE_LINUX
    snd_lib_error_set_handler (reportFirstAlsaError);
#endif
}

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
