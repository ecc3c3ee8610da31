#pragma once

#include "MidiPortBackend.h"

#include <atomic>
#include <mutex>

/** Finds the instrument's ports by name, opens and closes them, and sends
    to every open output.

    The output list is changed on the message thread and read by senders on
    any thread (the synchronisation sends from the MIDI input thread), so
    list changes and sends hold one lock.
*/
class DevicePorts final
{
public:
    //==============================================================================
    static constexpr const char* portNamePrefix = "Brax Vandorium";

    explicit DevicePorts (MidiPortBackend& backend);
    ~DevicePorts();

    /** The index of the last name that starts with the prefix, or -1. */
    static int findInstrumentPort (const juce::StringArray& names);

    /** Whether both of the instrument's ports are listed; opens nothing. */
    bool isDevicePresent();

    /** Closes any open ports, then opens the instrument's input (started,
        delivering to the callback) and output; sets deviceConnected.
    */
    void openDevicePorts (juce::MidiInputCallback* callback);

    /** Closes every open port; leaves deviceConnected as it is. */
    void closeDevicePorts();

    /** Sends one message to every open output, in list order. */
    void broadcast (const juce::MidiMessage& message);

    /** Sends both messages to each open output before the next output. */
    void broadcastPair (const juce::MidiMessage& first, const juce::MidiMessage& second);

    int getNumOpenInputs() const;
    int getNumOpenOutputs() const;

    MidiPortBackend& getBackend() noexcept { return backend; }

    /** True exactly when the last openDevicePorts left an input and an
        output open, until the connection monitor notices a loss.
    */
    std::atomic<bool> deviceConnected { false };

private:
    MidiPortBackend& backend;
    mutable std::mutex listLock;
    std::vector<std::unique_ptr<MidiInputPort>> openInputs;
    std::vector<std::unique_ptr<MidiOutputPort>> openOutputs;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DevicePorts)
};
