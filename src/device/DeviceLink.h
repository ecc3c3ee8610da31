#pragma once

#include "DevicePorts.h"
#include "DeviceSender.h"
#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"
#include "model/Listeners.h"

#include <atomic>
#include <functional>

/** The connection monitor and the bank synchronisation: keeps the editor's
    copy of the instrument's 32-slot bank, and the connection, in step with
    the instrument.

    Its owner forwards the 200 ms timer ticks to it; the instrument's input
    port calls it on the MIDI thread. What happens is broadcast to listeners,
    always on the message thread.
*/
class DeviceLink final : public juce::MidiInputCallback
{
public:
    //==============================================================================
    static constexpr int tickMs = 200;
    static constexpr int timeoutMs = 10000;
    static constexpr int presenceCheckMs = 1000;
    static constexpr const char* cacheFileName = "devicePresets.syx";

    /** The monitor's states; the numbers are the instrument's error codes
        of a time-out ("Timeout (error : 2)" for an unanswered identity request).
    */
    enum class SyncState
    {
        startingUp = 0,
        idle = 1,
        identityRequested = 2,
        presetRequested = 3,
        bankRequested = 4
    };

    /** Why the bank copy was replaced. */
    enum class BankChange
    {
        synchronised, // the instrument sent its bank
        sent // the editor sent a bank to the instrument
    };

    /** What the link reports; every call comes on the message thread. */
    class Listener
    {
    public:
        virtual ~Listener() = default;

        /** The Sync button shows while idle, the progress bar while a run lasts. */
        virtual void syncStateChanged (SyncState) {}

        /** A run got no answer within 10 s; the state it waited in gives the error code. */
        virtual void syncTimedOut (SyncState) {}

        /** The bank copy (deviceLibrary) is a new object. */
        virtual void bankReplaced (BankChange) {}

        /** One slot of the bank copy changed. */
        virtual void bankSlotChanged (int) {}

        /** The monitor found the instrument gone, or back and reopened. */
        virtual void connectionChanged (bool) {}

        /** The copy of the bank on disk ("devicePresets.syx") could not be written. */
        virtual void cacheWriteFailed() {}
    };

    DeviceLink (DevicePorts& ports, EditorSettings& settings);
    ~DeviceLink() override;

    void addListener (Listener* listener) { listeners.add (listener); }
    void removeListener (Listener* listener) { listeners.remove (listener); }

    /** Loads the cached bank, or 32 default presets "PRESET 1".."PRESET 32". */
    void loadStartUpBank();

    //==============================================================================
    /** One 200 ms tick: time-out of a running synchronisation, and once a
        second while idle the presence check.
    */
    void timerCallback();

    /** One step of the synchronisation, from the "Sync" button or a reply. */
    void advanceSync();

    SyncState getSyncState() const noexcept { return (SyncState) syncState.load(); }
    bool isSyncing() const noexcept { return getSyncState() >= SyncState::identityRequested; }

    /** Starts the monitor once the start-up's connection check is over. */
    void releaseMonitor();

    int getSyncElapsedMs() const noexcept { return syncElapsedMs.load(); }

    /** Puts the monitor in any state at once, for the fuzz targets that feed
        replies to every state; the editor moves only through advanceSync.
    */
    void forceSyncStateForTesting (SyncState state) noexcept { syncState = (int) state; }

    /** The MIDI input thread's entry: the replies of a running synchronisation. */
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;

    /** Sends a library as the instrument's bank (padded with the bank's
        remaining slots, cut to 32) and keeps it as the new bank copy. Does
        nothing, and returns false, while the instrument is not connected.
    */
    bool sendLibraryToDevice (const BXVandoriumLibrary& library);

    /** Stores the instrument's current sound into a slot and records the
        preset there in the bank copy; false (and nothing changed) for a slot
        out of range or while the instrument is not connected.
    */
    bool replaceDevicePreset (const BXVandoriumPreset& preset, int slot);

    /** Opens the instrument's ports with this link as the input callback,
        and closes them; waits of a reply in progress are released meanwhile.
    */
    void openDevicePorts();
    void closeDevicePorts();

    bool isDeviceConnected() const noexcept { return ports.deviceConnected; }

    //==============================================================================
    juce::File getCacheFile() const;
    DeviceSender& getSender() noexcept { return sender; }
    DevicePorts& getPorts() noexcept { return ports; }

    /** The editor's copy of the instrument's bank; replaced on the message thread only. */
    BXVandoriumLibrary deviceLibrary;

    /** Where the progress bar stands, 0..1; moved by the ticks of a run. */
    double syncProgress = 0.0;

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
    DeviceSender sender;
    Listeners<Listener> listeners;
    std::atomic<int> syncState { (int) SyncState::startingUp };
    std::atomic<int> syncElapsedMs { 0 };
    std::shared_ptr<bool> alive = std::make_shared<bool> (true);
    std::atomic<bool> portsChanging { false }, shuttingDown { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DeviceLink)
};
