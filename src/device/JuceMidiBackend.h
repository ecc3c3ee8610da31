#pragma once

#include "MidiPortBackend.h"

/** The operating system's MIDI ports, through the framework. */
class JuceMidiBackend final : public MidiPortBackend
{
public:
    /** On Linux, also keeps the console quiet: without a MIDI sequencer the
        system library would print an error at every port listing (once a
        second); the first one is printed, the rest are dropped.
    */
    JuceMidiBackend();

    juce::StringArray getInputNames() override;
    juce::StringArray getOutputNames() override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback* callback) override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (JuceMidiBackend)
};
