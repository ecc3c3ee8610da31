#pragma once

#include "MidiPortBackend.h"

#include <atomic>
#include <mutex>

/** MIDI ports that live inside the process and can appear and disappear at
    run time. Something on the other side of a port (the simulated
    instrument) delivers into the editor's inputs and receives what the
    editor sends to its outputs.
*/
class VirtualMidiBackend final : public MidiPortBackend
{
public:
    //==============================================================================
    using Receiver = std::function<void (const juce::MidiMessage&)>;
    using PortId = int;

    VirtualMidiBackend();
    ~VirtualMidiBackend() override;

    /** A port the editor can open as an input. */
    PortId addInputPort (const juce::String& name);

    /** A port the editor can open as an output; what it sends goes to the receiver. */
    PortId addOutputPort (const juce::String& name, Receiver receiver);

    /** The port leaves the system: it is no longer listed, and opened
        handles to it carry nothing any more.
    */
    void removePort (PortId port);

    /** Makes a listed port refuse to open (held by another program). */
    void setFailsToOpen (PortId port, bool fails);

    /** Delivers a message to every started handle opened on an input port,
        on the calling thread.
    */
    void deliver (PortId inputPort, const juce::MidiMessage& message);

    //==============================================================================
    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

    /** How many times the input ports were listed: what a presence check costs. */
    int getInputListings() const noexcept { return inputListings.load(); }

    struct InputHandle;
    struct OutputLink;

private:
    struct Port;

    juce::StringArray namesOf (bool inputs);
    Port* portAt (int index, bool inputs);

    std::mutex registryLock;
    std::vector<std::unique_ptr<Port>> ports;
    PortId nextId = 1;
    std::atomic<int> inputListings { 0 };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualMidiBackend)
};
