#pragma once

#include "MessagePump.h"
#include "TempFolder.h"

#include "device/DeviceLink.h"
#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "model/EditorSettings.h"

#include <juce_events/juce_events.h>

/** Records everything the device link asks of its window. */
class RecordingHost final : public DeviceLinkHost
{
public:
    struct Notice
    {
        juce::String title, message;
    };

    void showSyncControls (bool syncButtonVisible) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        syncButtonShown.push_back (syncButtonVisible);
    }

    void refreshDeviceList() override { ++deviceListRefreshes; }
    void deviceLibraryReplaced() override { ++deviceLibraryReplacements; }
    void deviceListRowsChanged() override { ++deviceListRowChanges; }

    void showNotice (const juce::String& title, const juce::String& message) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        notices.push_back ({ title, message });
    }

    void wait (int milliseconds) override { waits.push_back (milliseconds); }
    void loadDevicePresetIntoEditor (const BXVandoriumPreset& preset) override { loadedPresets.push_back (preset); }
    int getSelectedDeviceRow() override { return selectedDeviceRow; }
    void clearLibrarySelection() override { ++librarySelectionClears; }

    std::vector<Notice> getNotices() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return notices;
    }

    std::vector<bool> getSyncButtonShown() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return syncButtonShown;
    }

    int selectedDeviceRow = -1;
    int deviceListRefreshes = 0, deviceLibraryReplacements = 0, deviceListRowChanges = 0, librarySelectionClears = 0;
    std::vector<int> waits;
    std::vector<BXVandoriumPreset> loadedPresets;

private:
    mutable std::mutex lock;
    std::vector<Notice> notices;
    std::vector<bool> syncButtonShown;
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
    }

    ~DeviceTestRig()
    {
        // Let an answer in flight finish before the ports close under it.
        instrument.setSilent (true);
        pumpUntil ([this]
                   { return instrument.isIdle(); },
                   2000);
        ports.closeDevicePorts();
    }

    /** Opens the ports and releases the monitor, as the start-up does. */
    void connect()
    {
        ports.openDevicePorts (&link);
        link.syncState = DeviceLink::idle;
    }

    /** Presses "Sync" and lets the exchange run to its end, including the
        instrument's last hand-over to the message thread.
    */
    bool syncAndWait (int timeoutMs = 5000)
    {
        link.advanceSync();
        return pumpUntil ([this]
                          { return link.syncState.load() == DeviceLink::idle && instrument.isIdle(); },
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
    RecordingHost host;
    DeviceLink link { ports, settings, host };
};
