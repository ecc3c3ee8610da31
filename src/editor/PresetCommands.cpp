#include "PresetCommands.h"

#include "model/PresetNumbering.h"

PresetCommands::PresetCommands (PresetCommandTarget& t, UserDialogs& d)
    : target (t)
    , dialogs (d)
{
}

PresetCommands::TypedName PresetCommands::parseTypedName (const juce::String& text)
{
    TypedName typed;
    auto p = text.getCharPointer();
    juce::int64 number = 0;

    while (*p >= '0' && *p <= '9')
    {
        // Saturate: a long run of digits is simply a number past the end.
        number = std::min<juce::int64> (number * 10 + (*p - '0'), std::numeric_limits<int>::max());
        ++p;
    }

    while (*p == ' ')
        ++p;

    typed.number = (int) number;
    typed.name = BXVandoriumPreset::cleanName (juce::String (p).trim().toUpperCase());
    return typed;
}

void PresetCommands::saveLibrary()
{
    auto& library = target.getCurrentLibrary();

    if (! library.save())
        dialogs.showNotice ("Error", "The library file could not be written:\n" + library.getFilePath() + "\n\nYour change is kept in the editor until it closes.");
}

void PresetCommands::savePresetToLibrary (BXVandoriumPreset preset)
{
    auto& library = target.getCurrentLibrary();

    if (library.isFactory)
    {
        dialogs.showNotice ("Error", "You can't save a preset to a factory library");
        return;
    }

    const auto count = (int) library.presets.size();
    const auto proposal = presetNumberText (count, count) + " " + preset.name;
    const auto typedText = dialogs.promptForText ("Save a preset", "Preset name", "Preset name", proposal);

    if (! typedText.has_value())
        return;

    const auto typed = parseTypedName (*typedText);
    preset.name = typed.name;

    if (typed.number >= 1 && typed.number <= count)
    {
        const auto row = typed.number - 1;
        const auto message = "Are you sure to replace the preset\n'" + library.presets[(size_t) row].name + "'\nwith the preset\n'" + typed.name;

        if (! dialogs.confirm (message))
            return;

        const auto wasSelected = target.getSelectedLibraryRow() == row;
        library.presets[(size_t) row] = preset;
        saveLibrary();
        target.refreshLibraryList (row);

        // The selection did not change, so the list reports nothing: load
        // the replaced preset as a new selection would.
        if (wasSelected)
            target.loadPresetIntoEditor (library.presets[(size_t) row], juce::sendNotificationSync);

        return;
    }

    library.presets.push_back (preset);
    saveLibrary();
    target.refreshLibraryList ((int) library.presets.size() - 1);
}

void PresetCommands::deleteSelectedPreset()
{
    auto& library = target.getCurrentLibrary();
    const auto row = target.getSelectedLibraryRow();
    const auto count = (int) library.presets.size();

    if (count == 0)
    {
        dialogs.showNotice ("Information", "Nothing to delete...");
        return;
    }

    if (row < 0 || row >= count)
    {
        dialogs.showNotice ("Error", "You must select a library preset first");
        return;
    }

    // A factory file is read-only: rewriting it would lose its presets.
    if (library.isFactory)
    {
        dialogs.showNotice ("Error", "You can't delete a preset from a factory library");
        return;
    }

    const auto message = "Are you sure to delete the preset\n'" + presetNumberText (row, count) + " " + library.presets[(size_t) row].name + "' ?";

    if (! dialogs.confirm (message))
        return;

    library.removePreset ((size_t) row, false);
    saveLibrary();
    target.refreshLibraryList (-1);
}

void PresetCommands::quickSavePreset()
{
    if (! target.requireInstrument())
        return;

    const auto row = target.getSelectedDeviceRow();
    const auto& bank = target.getDeviceLibrary();

    if (row < 0 || row >= (int) bank.presets.size())
    {
        dialogs.showNotice ("Error", "You must select a Vandorium preset first");
        return;
    }

    const auto message = "Are you sure to replace preset\n'" + juce::String::formatted ("%02d", row + 1) + " " + bank.presets[(size_t) row].name
                         + "'\nwith the current preset\n'" + target.getCurrentPreset().name + "'";

    if (dialogs.confirm (message))
        target.replaceDevicePreset (target.getCurrentPreset(), row);
}

void PresetCommands::devicePresetDropped (int deviceRow)
{
    const auto& bank = target.getDeviceLibrary();

    if (deviceRow >= 0 && deviceRow < (int) bank.presets.size())
        savePresetToLibrary (bank.presets[(size_t) deviceRow]);
}

void PresetCommands::libraryPresetDropped (int libraryRow, int deviceRow)
{
    const auto& bank = target.getDeviceLibrary();
    const auto& library = target.getCurrentLibrary();

    // A drop below the last slot names no slot: there is nothing to replace.
    if (deviceRow < 0 || deviceRow >= (int) bank.presets.size() || libraryRow < 0 || libraryRow >= (int) library.presets.size())
        return;

    if (! target.requireInstrument())
        return;

    const auto preset = library.presets[(size_t) libraryRow];
    const auto slotLabel = presetNumberText (deviceRow, (int) bank.presets.size());
    const auto message = "Are you sure to replace the preset\n'" + slotLabel + " " + bank.presets[(size_t) deviceRow].name
                         + "'\nwith the preset\n'" + preset.name + "' ?";

    if (! dialogs.confirm (message))
        return;

    // The instrument stores its current sound: select the slot, play the
    // whole preset into it (the editor may show it already, so sending only
    // what changed would store the slot's old sound), then store it there.
    target.selectDeviceSlot (deviceRow);
    dialogs.wait (dropPauseMs);
    target.loadPresetIntoEditor (preset, juce::dontSendNotification);
    target.sendPresetToDevice (preset);
    dialogs.wait (dropPauseMs);
    target.replaceDevicePreset (preset, deviceRow);
}
