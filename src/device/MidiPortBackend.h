#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

/** An opened MIDI input: delivers to the callback it was opened with once started. */
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;
    virtual void start() = 0;
};

/** An opened MIDI output. */
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    /** Returns once the message has been handed to the system. */
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};

/** The system's MIDI ports as the editor sees them: names in system order,
    opened by index. The shipped editor uses the framework's ports; tests and
    the demo mode use ports that live inside the process.
*/
class MidiPortBackend
{
public:
    virtual ~MidiPortBackend() = default;

    virtual juce::StringArray getInputNames() = 0;
    virtual juce::StringArray getOutputNames() = 0;

    /** nullptr when the port cannot be opened. */
    virtual std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback* callback) = 0;

    /** nullptr when the port cannot be opened. */
    virtual std::unique_ptr<MidiOutputPort> openOutput (int index) = 0;
};
