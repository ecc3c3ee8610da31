#include "EditorSession.h"

#include "device/ControllerMap.h"
#include "model/ParameterTable.h"

EditorSession::EditorSession (Services s)
    : services (s)
    , link (s.ports, s.settings)
    , commands (*this, s.dialogs)
{
    link.addListener (this);

    // The effect name message names the selected slot.
    link.getSender().setSelectedSlotSource ([this]
                                            { return getSelectedDeviceRow(); });

    link.loadStartUpBank();
    currentLibrary = BXVandoriumLibrary::resolve (s.settings.currentLibraryName, s.settings.libraryFolder, s.settings.getResourceFolder());
}

EditorSession::~EditorSession()
{
    link.removeListener (this);
    link.closeDevicePorts();
}

void EditorSession::setSelectionSource (std::function<int (PresetList)> source)
{
    selectedRow = std::move (source);
}

int EditorSession::getSelectedLibraryRow()
{
    return selectedRow != nullptr ? selectedRow (PresetList::library) : -1;
}

int EditorSession::getSelectedDeviceRow()
{
    return selectedRow != nullptr ? selectedRow (PresetList::device) : -1;
}

//==============================================================================
void EditorSession::presetSelected (PresetList list, int row)
{
    const auto& library = libraryOf (list);

    if (row < 0 || row >= (int) library.presets.size())
        return;

    if (list == PresetList::device)
    {
        loadPresetIntoEditor (library.presets[(size_t) row], juce::dontSendNotification);
        listeners.call ([] (Listener& l)
                        { l.librarySelectionCleared(); });
        selectDeviceSlot (row);
    }
    else
    {
        loadPresetIntoEditor (library.presets[(size_t) row], juce::sendNotificationSync);
    }
}

void EditorSession::presetDropped (PresetList source, int sourceRow, PresetList target, int targetRow)
{
    if (source == PresetList::device && target == PresetList::library)
        commands.devicePresetDropped (sourceRow);
    else if (source == PresetList::library && target == PresetList::device)
        commands.libraryPresetDropped (sourceRow, targetRow);
}

void EditorSession::loadPresetIntoEditor (const BXVandoriumPreset& preset, juce::NotificationType notification)
{
    // What no control can show is brought into range before it is shown and sent.
    currentPreset = ParameterTable::clampedToRanges (preset);

    if (notification != juce::dontSendNotification)
        link.getSender().sendPresetName (currentPreset.name);

    listeners.call ([notification] (Listener& l)
                    { l.presetLoaded (notification); });
}

void EditorSession::previewPreset (const BXVandoriumPreset& preset)
{
    // The preset's own values: the views hold the editor's sound, not this one.
    link.getSender().sendPreset (preset);
}

juce::String EditorSession::renamePreset (const juce::String& typed)
{
    const auto text = typed.trim();

    if (text.isEmpty())
        return currentPreset.name.toUpperCase();

    // The display shows what is kept: 13 characters, each one a preset can hold.
    currentPreset.name = BXVandoriumPreset::cleanName (text.toUpperCase());
    link.getSender().sendPresetName (currentPreset.name);
    return currentPreset.name;
}

void EditorSession::setCurrentLibrary (const BXVandoriumLibrary& library)
{
    services.settings.currentLibraryName = library.getName();
    services.settings.save();
    currentLibrary = library;
    listeners.call ([] (Listener& l)
                    { l.libraryReplaced(); });
}

void EditorSession::sendLibraryToDevice (const BXVandoriumLibrary& library)
{
    if (! requireInstrument() || ! link.sendLibraryToDevice (library))
        return;

    // The selected slot now holds a new sound: let the instrument take the
    // bank, then show and play that slot.
    const auto row = getSelectedDeviceRow();

    if (row >= 0 && row < (int) link.deviceLibrary.presets.size())
    {
        services.dialogs.wait (postSendWaitMs);
        loadPresetIntoEditor (link.deviceLibrary.presets[(size_t) row], juce::dontSendNotification);
        listeners.call ([] (Listener& l)
                        { l.librarySelectionCleared(); });
        selectDeviceSlot (row);
    }
}

void EditorSession::replaceDevicePreset (const BXVandoriumPreset& preset, int slot)
{
    // The instrument may have gone while a confirmation was open.
    if (! link.replaceDevicePreset (preset, slot) && ! link.isDeviceConnected())
        services.dialogs.showNotice ("Error", notConnectedText);
}

void EditorSession::advanceSync()
{
    if (link.getSyncState() == DeviceLink::SyncState::idle && ! requireInstrument())
        return;

    link.advanceSync();
}

void EditorSession::openDevicePorts()
{
    link.openDevicePorts();
    const auto connected = link.isDeviceConnected();
    listeners.call ([connected] (Listener& l)
                    { l.connectionChanged (connected); });
}

bool EditorSession::requireInstrument()
{
    if (link.isDeviceConnected())
        return true;

    services.dialogs.showNotice ("Error", notConnectedText);
    return false;
}

void EditorSession::refreshLibraryList (int rowToSelect)
{
    listeners.call ([rowToSelect] (Listener& l)
                    { l.libraryRowsChanged (rowToSelect); });
}

void EditorSession::selectDeviceSlot (int slot)
{
    link.getSender().sendPackedMessage (ControllerMap::programChange, slot);

    // The highlighted slot is the one the instrument is on, so "Quick Save"
    // names and stores that slot.
    listeners.call ([slot] (Listener& l)
                    { l.deviceSlotSelected (slot); });
}

//==============================================================================
void EditorSession::syncStateChanged (DeviceLink::SyncState state)
{
    listeners.call ([state] (Listener& l)
                    { l.syncStateChanged (state); });
}

void EditorSession::syncTimedOut (DeviceLink::SyncState state)
{
    services.dialogs.showNotice ("Sync Error", juce::String::formatted ("Timeout (error : %d)", (int) state));
}

void EditorSession::bankReplaced (DeviceLink::BankChange change)
{
    listeners.call ([change] (Listener& l)
                    { l.bankReplaced (change); });
}

void EditorSession::bankSlotChanged (int slot)
{
    listeners.call ([slot] (Listener& l)
                    { l.bankSlotChanged (slot); });
}

void EditorSession::cacheWriteFailed()
{
    services.dialogs.showNotice ("Error", "The copy of the Vandorium's presets could not be written:\n" + link.getCacheFile().getFullPathName() + "\n\nThe editor shows the instrument's bank until it closes; the next start shows the last copy written.");
}

void EditorSession::connectionChanged (bool connected)
{
    services.dialogs.showNotice ("ALERT !", connected ? connectedText : connectionLostText);
    listeners.call ([connected] (Listener& l)
                    { l.connectionChanged (connected); });
}
