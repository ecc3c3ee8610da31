#include "device/DevicePorts.h"
#include "device/VirtualMidiBackend.h"

#include <gtest/gtest.h>

namespace
{
struct CountingCallback final : public juce::MidiInputCallback
{
    void handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage&) override { ++count; }
    std::atomic<int> count { 0 };
};
} // namespace

TEST (DevicePorts, FindsTheLastPortWhoseNameStartsWithThePrefix)
{
    const struct
    {
        juce::StringArray names;
        int expected;
    } cases[] = {
        { {}, -1 },
        { { "Midi Through", "Brax Vandorium" }, 1 },
        { { "Brax Vandorium 1", "Other", "Brax Vandorium MIDI 2" }, 2 },
        { { "brax vandorium" }, -1 },
        { { "USB Brax Vandorium" }, -1 },
        { { "Brax Vandoriu" }, -1 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (DevicePorts::findInstrumentPort (c.names), c.expected) << c.names.joinIntoString (", ");
}

TEST (DevicePorts, OneDirectionAloneIsNotConnected)
{
    VirtualMidiBackend backend;
    DevicePorts ports (backend);
    CountingCallback callback;

    backend.addInputPort ("Brax Vandorium");
    EXPECT_FALSE (ports.isDevicePresent());

    ports.openDevicePorts (&callback);
    EXPECT_EQ (ports.getNumOpenInputs(), 1);
    EXPECT_EQ (ports.getNumOpenOutputs(), 0);
    EXPECT_FALSE (ports.deviceConnected);
}

TEST (DevicePorts, OpensTheLaterPortAndNeverMoreThanOnePair)
{
    VirtualMidiBackend backend;
    DevicePorts ports (backend);
    CountingCallback callback;

    const auto first = backend.addInputPort ("Brax Vandorium A");
    const auto second = backend.addInputPort ("Brax Vandorium B");
    std::atomic<int> sent { 0 };
    backend.addOutputPort ("Brax Vandorium", [&] (const juce::MidiMessage&)
                           { ++sent; });

    EXPECT_TRUE (ports.isDevicePresent());
    EXPECT_EQ (ports.getNumOpenInputs(), 0); // asking opens nothing

    ports.openDevicePorts (&callback);
    ports.openDevicePorts (&callback);
    EXPECT_TRUE (ports.deviceConnected);
    EXPECT_EQ (ports.getNumOpenInputs(), 1);
    EXPECT_EQ (ports.getNumOpenOutputs(), 1);

    backend.deliver (first, juce::MidiMessage::noteOn (1, 60, 1.0f));
    EXPECT_EQ (callback.count, 0);
    backend.deliver (second, juce::MidiMessage::noteOn (1, 60, 1.0f));
    EXPECT_EQ (callback.count, 1);

    ports.broadcast (juce::MidiMessage::programChange (1, 3));
    EXPECT_EQ (sent, 1);

    // Closing after a loss empties the lists and leaves the flag to the monitor.
    ports.closeDevicePorts();
    EXPECT_EQ (ports.getNumOpenInputs(), 0);
    EXPECT_EQ (ports.getNumOpenOutputs(), 0);
    EXPECT_TRUE (ports.deviceConnected);

    ports.broadcast (juce::MidiMessage::programChange (1, 3));
    EXPECT_EQ (sent, 1);
}

TEST (DevicePorts, APortThatFailsToOpenCountsAsMissing)
{
    VirtualMidiBackend backend;
    DevicePorts ports (backend);
    CountingCallback callback;

    backend.addInputPort ("Brax Vandorium");
    const auto output = backend.addOutputPort ("Brax Vandorium", [] (const juce::MidiMessage&) {});
    backend.setFailsToOpen (output, true);

    ports.openDevicePorts (&callback);
    EXPECT_TRUE (ports.isDevicePresent());
    EXPECT_FALSE (ports.deviceConnected);
    EXPECT_EQ (ports.getNumOpenInputs(), 1);

    backend.setFailsToOpen (output, false);
    ports.openDevicePorts (&callback);
    EXPECT_TRUE (ports.deviceConnected);
}
