#pragma once

#include "MessagePump.h"
#include "TempFolder.h"

#include "device/DeviceLink.h"
#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "model/EditorSettings.h"

#include <juce_events/juce_events.h>

/** Records everything the device link reports. */
class RecordingListener final : public DeviceLink::Listener
{
public:
    using SyncState = DeviceLink::SyncState;
    using BankChange = DeviceLink::BankChange;

    void syncStateChanged (SyncState state) override { record (states, state); }
    void syncTimedOut (SyncState state) override { record (timeouts, state); }
    void bankReplaced (BankChange change) override { record (bankChanges, change); }
    void bankSlotChanged (int slot) override { record (slotChanges, slot); }
    void connectionChanged (bool connected) override { record (connections, connected); }

    std::vector<SyncState> getStates() const { return read (states); }
    std::vector<SyncState> getTimeouts() const { return read (timeouts); }
    std::vector<BankChange> getBankChanges() const { return read (bankChanges); }
    std::vector<int> getSlotChanges() const { return read (slotChanges); }
    std::vector<bool> getConnections() const { return read (connections); }

private:
    template <typename T>
    void record (std::vector<T>& events, T event)
    {
        const std::lock_guard<std::mutex> guard (lock);
        events.push_back (event);
    }

    template <typename T>
    std::vector<T> read (const std::vector<T>& events) const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return events;
    }

    mutable std::mutex lock;
    std::vector<SyncState> states, timeouts;
    std::vector<BankChange> bankChanges;
    std::vector<int> slotChanges;
    std::vector<bool> connections;
};

/** A device link wired to a simulated instrument on virtual ports, with its
    settings in a temporary folder.
*/
struct DeviceTestRig
{
    DeviceTestRig()
    {
        settings.load (temp.folders());
        link.loadStartUpBank();
        link.addListener (&events);
    }

    ~DeviceTestRig()
    {
        // Let an answer in flight finish before the ports close under it.
        instrument.setSilent (true);
        pumpUntil ([this]
                   { return instrument.isIdle(); },
                   2000);
        link.closeDevicePorts(); // releases a hand-over still waiting
        link.removeListener (&events);
    }

    /** Opens the ports and releases the monitor, as the start-up does. */
    void connect()
    {
        ports.openDevicePorts (&link);
        link.releaseMonitor();
    }

    /** Presses "Sync" and lets the exchange run to its end, including the
        instrument's last hand-over to the message thread.
    */
    bool syncAndWait (int timeoutMs = 5000)
    {
        link.advanceSync();
        return pumpUntil ([this]
                          { return link.getSyncState() == DeviceLink::SyncState::idle && instrument.isIdle(); },
                          timeoutMs);
    }

    void tick (int times)
    {
        for (int i = 0; i < times; ++i)
            link.timerCallback();
    }

    TempFolder temp;
    EditorSettings settings;
    VirtualMidiBackend backend;
    SimulatedInstrument instrument { backend };
    DevicePorts ports { backend };
    DeviceLink link { ports, settings };
    RecordingListener events;
};
