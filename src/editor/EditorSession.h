#pragma once

#include "PresetCommands.h"
#include "device/DeviceLink.h"
#include "dialogs/UserDialogs.h"
#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"

#include <juce_events/juce_events.h>

#include <functional>

/** The editor's data and what the user does with it, without a window: the
    current preset, the current library, the copy of the instrument's bank
    (through the device link) and the preset commands.

    Windows show it and forward the user's actions to it; it tells every
    subscribed window what changed. Everything runs on the message thread.
*/
class EditorSession final : private DeviceLink::Listener,
                            private PresetCommandTarget
{
public:
    //==============================================================================
    struct Services
    {
        DevicePorts& ports;
        EditorSettings& settings;
        UserDialogs& dialogs;
    };

    /** The two preset lists of the main window. */
    enum class PresetList
    {
        library, // "Library Presets": the current library
        device // "Vandorium Presets": the copy of the instrument's bank
    };

    /** What a window showing the session hears. */
    class Listener
    {
    public:
        virtual ~Listener() = default;

        /** The current preset was replaced; with a notification the window's
            controls send every value that changed to the instrument.
        */
        virtual void presetLoaded (juce::NotificationType) {}

        /** The current library is a new object. */
        virtual void libraryReplaced() {}

        /** The current library's rows changed; the list selects rowToSelect
            as a program selection would (it then reports the selection), or
            clears its selection for -1.
        */
        virtual void libraryRowsChanged (int /*rowToSelect*/) {}

        virtual void librarySelectionCleared() {}

        /** The bank copy is a new object; after a synchronisation no slot
            stays selected.
        */
        virtual void bankReplaced (DeviceLink::BankChange) {}

        virtual void bankSlotChanged (int /*slot*/) {}
        virtual void syncStateChanged (DeviceLink::SyncState) {}
        virtual void connectionChanged (bool /*connected*/) {}

        /** The instrument was switched to a slot: the window selects that row. */
        virtual void deviceSlotSelected (int /*slot*/) {}
    };

    explicit EditorSession (Services services);
    ~EditorSession() override;

    void addListener (Listener* listener) { listeners.add (listener); }
    void removeListener (Listener* listener) { listeners.remove (listener); }

    /** Where the session reads the rows selected in the two lists (-1 for none). */
    void setSelectionSource (std::function<int (PresetList)> selectedRow);

    //==============================================================================
    const BXVandoriumPreset& getPreset() const noexcept { return currentPreset; }

    /** The record the parameter controls edit in place. */
    BXVandoriumPreset& getEditedPreset() noexcept { return currentPreset; }

    BXVandoriumLibrary& getLibrary() noexcept { return currentLibrary; }
    BXVandoriumLibrary& getBank() noexcept { return link.deviceLibrary; }
    BXVandoriumLibrary& libraryOf (PresetList list) noexcept { return list == PresetList::library ? currentLibrary : link.deviceLibrary; }

    DeviceLink& getLink() noexcept { return link; }
    DeviceSender& getSender() noexcept { return link.getSender(); }
    PresetCommands& getCommands() noexcept { return commands; }
    EditorSettings& getSettings() noexcept { return services.settings; }
    UserDialogs& getDialogs() noexcept { return services.dialogs; }

    //==============================================================================
    /** A row chosen in one of the lists: a slot of the instrument switches
        the instrument to it and shows it; a library preset is played to
        the instrument.
    */
    void presetSelected (PresetList list, int row);

    /** A row of one list dropped on a row of the other. */
    void presetDropped (PresetList source, int sourceRow, PresetList target, int targetRow);

    /** Shows a preset; with sendNotificationSync every changed parameter
        (and the name) goes to the instrument, with dontSendNotification nothing.
    */
    void loadPresetIntoEditor (const BXVandoriumPreset& preset, juce::NotificationType notification) override;

    /** Plays a preset on the instrument without making it the editor's
        (the library manager's preview): its name and all of its own values.
    */
    void previewPreset (const BXVandoriumPreset& preset);

    /** The name typed into the name display; gives the text to show (the
        current name again for an empty entry).
    */
    juce::String renamePreset (const juce::String& typed);

    /** Makes a library the current one and remembers it in the settings. */
    void setCurrentLibrary (const BXVandoriumLibrary& library);

    /** Sends a library as the instrument's bank; the selected slot then
        plays its new sound.
    */
    void sendLibraryToDevice (const BXVandoriumLibrary& library);

    void replaceDevicePreset (const BXVandoriumPreset& preset, int slot) override;

    //==============================================================================
    /** "Sync"; refused with a message while the instrument is not connected. */
    void advanceSync();

    void timerTick() { link.timerCallback(); }

    /** Opens the instrument's ports; the windows hear whether it is there. */
    void openDevicePorts();
    bool isDeviceConnected() const noexcept { return link.isDeviceConnected(); }

    /** Starts the connection monitor once the start-up check is over. */
    void releaseMonitor() { link.releaseMonitor(); }

    //==============================================================================
    static constexpr int postSendWaitMs = 500;

    static constexpr const char* connectionLostText =
        "Connection to the Vandorium is lost.\nCheck the USB cable connection between the computer and the Vandorium\nand make sure the Vandorium is powered ON.";
    static constexpr const char* connectedText = "The editor is now connected to the Vandorium.";
    static constexpr const char* notConnectedText =
        "The Vandorium is not connected.\nConnect it with the USB cable and switch it ON, then try again.";

private:
    // DeviceLink::Listener
    void syncStateChanged (DeviceLink::SyncState) override;
    void syncTimedOut (DeviceLink::SyncState) override;
    void bankReplaced (DeviceLink::BankChange) override;
    void bankSlotChanged (int) override;
    void connectionChanged (bool) override;
    void cacheWriteFailed() override;

    // PresetCommandTarget
    BXVandoriumPreset& getCurrentPreset() override { return currentPreset; }
    BXVandoriumLibrary& getCurrentLibrary() override { return currentLibrary; }
    const BXVandoriumLibrary& getDeviceLibrary() override { return link.deviceLibrary; }
    int getSelectedLibraryRow() override;
    int getSelectedDeviceRow() override;
    void refreshLibraryList (int rowToSelect) override;
    void selectDeviceSlot (int slot) override;
    void sendPresetToDevice (const BXVandoriumPreset& preset) override { link.getSender().sendPreset (preset); }
    bool requireInstrument() override;

    Services services;
    BXVandoriumPreset currentPreset;
    BXVandoriumLibrary currentLibrary;
    DeviceLink link;
    PresetCommands commands;
    std::function<int (PresetList)> selectedRow;
    Listeners<Listener> listeners;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorSession)
};
