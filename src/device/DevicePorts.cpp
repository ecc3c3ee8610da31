#include "DevicePorts.h"

DevicePorts::DevicePorts (MidiPortBackend& portBackend)
    : backend (portBackend)
{
}

DevicePorts::~DevicePorts()
{
    closeDevicePorts();
}

int DevicePorts::findInstrumentPort (const juce::StringArray& names)
{
    int found = -1;

    // The whole list is walked: when several ports match, the last one wins.
    for (int i = 0; i < names.size(); ++i)
        if (names[i].startsWith (portNamePrefix))
            found = i;

    return found;
}

bool DevicePorts::isDevicePresent()
{
    return findInstrumentPort (backend.getInputNames()) >= 0
           && findInstrumentPort (backend.getOutputNames()) >= 0;
}

void DevicePorts::openDevicePorts (juce::MidiInputCallback* callback)
{
    closeDevicePorts();

    const auto inputIndex = findInstrumentPort (backend.getInputNames());
    const auto outputIndex = findInstrumentPort (backend.getOutputNames());

    std::unique_ptr<MidiInputPort> input;
    std::unique_ptr<MidiOutputPort> output;

    if (inputIndex >= 0)
        if ((input = backend.openInput (inputIndex, callback)) != nullptr)
            input->start();

    if (outputIndex >= 0)
        output = backend.openOutput (outputIndex);

    const std::lock_guard<std::mutex> guard (listLock);

    if (input != nullptr)
        openInputs.push_back (std::move (input));

    if (output != nullptr)
        openOutputs.push_back (std::move (output));

    deviceConnected = ! openInputs.empty() && ! openOutputs.empty();
}

void DevicePorts::closeDevicePorts()
{
    std::vector<std::unique_ptr<MidiInputPort>> inputs;
    std::vector<std::unique_ptr<MidiOutputPort>> outputs;

    {
        const std::lock_guard<std::mutex> guard (listLock);
        inputs.swap (openInputs);
        outputs.swap (openOutputs);
    }

    // Closing happens outside the lock: stopping an input may wait for a
    // delivery that is itself sending through the output list.
    inputs.clear();
    outputs.clear();
}

void DevicePorts::broadcast (const juce::MidiMessage& message)
{
    const std::lock_guard<std::mutex> guard (listLock);

    for (auto& output : openOutputs)
        output->sendMessageNow (message);
}

void DevicePorts::broadcastPair (const juce::MidiMessage& first, const juce::MidiMessage& second)
{
    const std::lock_guard<std::mutex> guard (listLock);

    for (auto& output : openOutputs)
    {
        output->sendMessageNow (first);
        output->sendMessageNow (second);
    }
}

int DevicePorts::getNumOpenInputs() const
{
    const std::lock_guard<std::mutex> guard (listLock);
    return (int) openInputs.size();
}

int DevicePorts::getNumOpenOutputs() const
{
    const std::lock_guard<std::mutex> guard (listLock);
    return (int) openOutputs.size();
}
