#pragma once

#include "VirtualMidiBackend.h"
#include "model/BXVandoriumPreset.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

/** An instrument on the virtual ports, behaving as the editor relies on:
    it answers the identity, preset and bank requests, selects a slot on a
    program change, takes controller edits and names into its current sound,
    stores that sound on the store request and takes a bank dump as its bank.

    It answers from its own thread, as real MIDI input arrives on a MIDI
    thread, keeps a log of everything it received, and has switches that
    make it misbehave for tests.
*/
class SimulatedInstrument final
{
public:
    //==============================================================================
    static constexpr const char* defaultPortName = "Brax Vandorium";

    explicit SimulatedInstrument (VirtualMidiBackend& backend, const juce::String& portName = defaultPortName);
    ~SimulatedInstrument();

    /** Lists its input and output ports (done by the constructor). */
    void plugIn();

    /** Takes its ports away; messages in flight are lost. */
    void unplug();

    bool isPluggedIn() const;

    //==============================================================================
    /** The four revision bytes of the Identity Reply (default: v1.1.0). */
    void setRevision (juce::uint8 r1, juce::uint8 r2, juce::uint8 r3, juce::uint8 r4);

    /** Receives everything but answers nothing. */
    void setSilent (bool shouldBeSilent);

    /** Waits this long before each answer. */
    void setReplyDelayMs (int milliseconds);

    /** Answers this many requests, then falls silent (-1: no limit). */
    void setAnswerLimit (int numberOfAnswers);

    enum class BankDumpFault
    {
        none,
        shortDump, // cut off after a few slots
        garbled // the right header, then no usable slots
    };

    void setBankDumpFault (BankDumpFault fault);

    //==============================================================================
    std::vector<BXVandoriumPreset> getBank() const;
    void setBank (const std::vector<BXVandoriumPreset>& presets);
    BXVandoriumPreset getCurrentSound() const;
    int getSelectedSlot() const;

    /** Everything received so far, in order. */
    std::vector<juce::MidiMessage> getReceived() const;
    void clearReceived();

    /** Whether every message received so far has been handled. */
    bool isIdle() const;

    /** Waits until every message received so far has been handled. */
    bool waitUntilIdle (int timeoutMs = 5000) const;

private:
    void receive (const juce::MidiMessage& message);
    void run();
    void handle (const juce::MidiMessage& message);
    void handleController (int controller, int value);
    void reply (const juce::MidiMessage& message);
    juce::MidiMessage bankDump() const;

    VirtualMidiBackend& backend;
    const juce::String portName;

    mutable std::mutex lock;
    mutable std::condition_variable wakeUp;
    mutable std::condition_variable becameIdle;
    std::deque<juce::MidiMessage> inbox;
    bool busy = false;
    bool quitting = false;

    VirtualMidiBackend::PortId inputPort = 0, outputPort = 0; // 0 while unplugged
    std::vector<juce::MidiMessage> received;

    std::vector<BXVandoriumPreset> bank;
    BXVandoriumPreset currentSound;
    int selectedSlot = 0;
    int pendingHighBits[128] = {};
    juce::uint8 revision[4] = { 0x00, 0x01, 0x01, 0x00 };
    bool silent = false;
    int replyDelayMs = 0;
    int answersLeft = -1;
    BankDumpFault bankDumpFault = BankDumpFault::none;

    std::thread worker;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SimulatedInstrument)
};
