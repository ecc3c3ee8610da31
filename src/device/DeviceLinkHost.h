#pragma once

#include "model/BXVandoriumPreset.h"

#include <juce_core/juce_core.h>

#include <functional>

/** What the device link needs from the window that shows it. The main
    component implements it; tests record every call.
*/
class DeviceLinkHost
{
public:
    virtual ~DeviceLinkHost() = default;

    /** Shows the "Sync" button and hides the progress bar, or the reverse. */
    virtual void showSyncControls (bool syncButtonVisible) = 0;

    /** "Vandorium Presets" re-reads its rows, clears its selection, repaints. */
    virtual void refreshDeviceList() = 0;

    /** The device library object was replaced: the list needs a new model. */
    virtual void deviceLibraryReplaced() = 0;

    /** One slot changed: the list re-reads its rows and repaints. */
    virtual void deviceListRowsChanged() = 0;

    /** An asynchronous notice with the warning icon and "OK". */
    virtual void showNotice (const juce::String& title, const juce::String& message) = 0;

    /** Blocks the calling (message) thread. */
    virtual void wait (int milliseconds) = 0;

    /** Loads a slot of the instrument's bank into the editor, sending nothing. */
    virtual void loadDevicePresetIntoEditor (const BXVandoriumPreset& preset) = 0;

    /** The row selected in "Vandorium Presets", or -1. */
    virtual int getSelectedDeviceRow() = 0;

    /** Clears the selection of "Library Presets". */
    virtual void clearLibrarySelection() = 0;
};
