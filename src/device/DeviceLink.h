#pragma once

#include "DeviceLinkHost.h"
#include "DevicePorts.h"
#include "DeviceSender.h"
#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"

#include <atomic>
#include <functional>

/** The connection monitor and the bank synchronisation: keeps the editor's
    copy of the instrument's 32-slot bank, and the connection, in step with
    the instrument.

    The main component owns it, forwards its timer ticks and MIDI input to
    it, and shows what it reports through DeviceLinkHost.
*/
class DeviceLink final : public juce::MidiInputCallback
{
public:
    //==============================================================================
    static constexpr int tickMs = 200;
    static constexpr int timeoutMs = 10000;
    static constexpr int presenceCheckMs = 1000;
    static constexpr int postSendWaitMs = 500;
    static constexpr const char* cacheFileName = "devicePresets.syx";

    enum SyncState
    {
        startingUp = 0,
        idle = 1,
        identityRequested = 2,
        presetRequested = 3,
        bankRequested = 4
    };

    DeviceLink (DevicePorts& ports, EditorSettings& settings, DeviceLinkHost& host);
    ~DeviceLink() override;

    /** Loads the cached bank, or 32 default presets "PRESET 1".."PRESET 32". */
    void loadStartUpBank();

    //==============================================================================
    /** One 200 ms tick: time-out of a running synchronisation, and once a
        second while idle the presence check.
    */
    void timerCallback();

    /** One step of the synchronisation, from the "Sync" button or a reply. */
    void advanceSync();

    void refreshSyncControls();

    /** The MIDI input thread's entry: the replies of a running synchronisation. */
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;

    /** Sends a library as the instrument's bank (padded with the bank's
        remaining slots, cut to 32) and keeps it as the new bank copy.
    */
    void sendLibraryToDevice (const BXVandoriumLibrary& library);

    /** Stores the instrument's current sound into a slot and records the
        preset there in the bank copy.
    */
    void replaceDevicePreset (const BXVandoriumPreset& preset, int slot);

    /** Opens the instrument's ports with this link as the input callback,
        and closes them; waits of a reply in progress are released meanwhile.
    */
    void openDevicePorts();
    void closeDevicePorts();

    //==============================================================================
    juce::File getCacheFile() const;
    DeviceSender& getSender() noexcept { return sender; }
    DevicePorts& getPorts() noexcept { return ports; }

    /** The editor's copy of the instrument's bank; replaced on the message thread only. */
    BXVandoriumLibrary deviceLibrary;

    std::atomic<int> syncState { startingUp };
    std::atomic<int> syncElapsedMs { 0 };
    double syncProgress = 0.0;

    static constexpr const char* connectionLostText =
        "Connection to the Vandorium is lost.\nCheck the USB cable connection between the computer and the Vandorium\nand make sure the Vandorium is powered ON.";
    static constexpr const char* connectedText = "The editor is now connected to the Vandorium.";

private:
    /** Advances only when the state is still the one a reply was meant for,
        so a reply racing a time-out cannot start a new run.
    */
    void advanceFrom (int expectedState);
    void sendRequestFor (int newState);
    bool writeCache (const juce::MemoryBlock& payload) const;

    /** Runs a function on the message thread and waits for it, as the input
        callback must. The wait is abandoned while the ports are being closed
        or reopened: the message thread is then waiting for this very
        callback to return, and waiting on would deadlock. A call that runs
        after the link is gone is skipped.
    */
    void runOnMessageThread (std::function<void()> function);

    DevicePorts& ports;
    EditorSettings& settings;
    DeviceLinkHost& host;
    DeviceSender sender;
    std::shared_ptr<bool> alive = std::make_shared<bool> (true);
    std::atomic<bool> portsChanging { false }, shuttingDown { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceLink)
};
