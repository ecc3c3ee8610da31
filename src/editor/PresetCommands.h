#pragma once

#include "dialogs/UserDialogs.h"
#include "model/BXVandoriumLibrary.h"

#include <juce_events/juce_events.h>

/** What the preset commands need of the editor session. */
class PresetCommandTarget
{
public:
    virtual ~PresetCommandTarget() = default;

    virtual BXVandoriumPreset& getCurrentPreset() = 0;
    virtual BXVandoriumLibrary& getCurrentLibrary() = 0;
    virtual const BXVandoriumLibrary& getDeviceLibrary() = 0;
    virtual int getSelectedLibraryRow() = 0;
    virtual int getSelectedDeviceRow() = 0;

    /** "Library Presets" re-reads its rows and selects a row as a program
        selection would (the list then reports it), or clears its selection
        for -1.
    */
    virtual void refreshLibraryList (int rowToSelect) = 0;

    virtual void loadPresetIntoEditor (const BXVandoriumPreset& preset, juce::NotificationType notification) = 0;
    virtual void replaceDevicePreset (const BXVandoriumPreset& preset, int slot) = 0;
    virtual void selectDeviceSlot (int slot) = 0;

    /** Sends a whole preset as the instrument's current sound. */
    virtual void sendPresetToDevice (const BXVandoriumPreset& preset) = 0;

    /** Whether the instrument is there; tells the user otherwise. */
    virtual bool requireInstrument() = 0;
};

/** "Save Preset", "Delete Preset", "Quick Save Preset" and the drops
    between the two preset lists, with every refusal and confirmation.
*/
class PresetCommands final
{
public:
    PresetCommands (PresetCommandTarget& target, UserDialogs& dialogs);

    /** Saves a preset into the current library, appended or over the
        number the user types in front of the name.
    */
    void savePresetToLibrary (BXVandoriumPreset preset);

    void deleteSelectedPreset();
    void quickSavePreset();

    /** A preset of "Vandorium Presets" dropped on "Library Presets". */
    void devicePresetDropped (int deviceRow);

    /** A preset of "Library Presets" dropped on a row of "Vandorium Presets". */
    void libraryPresetDropped (int libraryRow, int deviceRow);

    /** The number and name typed into the save prompt. */
    struct TypedName
    {
        int number = 0;
        juce::String name;
    };

    static TypedName parseTypedName (const juce::String& text);

    static constexpr int dropPauseMs = 500;

private:
    /** Saves the library or tells the user which file could not be written. */
    void saveLibrary();

    PresetCommandTarget& target;
    UserDialogs& dialogs;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetCommands)
};
