#pragma once

#include "DocumentOpener.h"
#include "ModalDialogRunner.h"
#include "SettingsSwitches.h"

/** The settings dialog and what it leads to: the two manuals, the quick
    start guide, and the maker's website. A manual that is missing, or a
    document or address the desktop cannot show, gets an "Error" box that
    names it.
*/
class HelpCommands final
{
public:
    struct Services
    {
        EditorSettings& settings;
        UserDialogs& dialogs;
        ModalDialogRunner& runner;
        DocumentOpener& opener;
        juce::File resourceFolder;
    };

    static constexpr const char* instrumentManual = "Vandorium_Manual_6_25.pdf";
    static constexpr const char* editorManual = "Vandorium_Editor_Manual.pdf";

    /** The maker's website. The maker is invented, so this is an address
        reserved for examples, which harms no one.
    */
    static constexpr const char* makerWebsite = "https://www.example.com/";

    explicit HelpCommands (Services services);

    /** Shows the settings dialog modally and carries out the command that
        closed it; afterClosing runs once the command is done, while the
        dialog still counts as open. Returns false, doing nothing, when a
        settings dialog is open already.
    */
    bool showSettingsDialog (juce::Component* centreAround, const std::function<void()>& afterClosing = {});

    /** Shows the quick start guide modally. */
    void showQuickStartGuide (juce::Component* centreAround);

    void openMakerWebsite();

    /** Opens a manual from the resource folder with the desktop's viewer. */
    void openManual (const juce::String& fileName);

    bool isSettingsDialogOpen() const noexcept { return settingsDialogOpen; }
    SettingsSwitches& getSwitches() noexcept { return switches; }

private:
    void open (const juce::String& fileOrAddress, const juce::String& what);

    Services services;
    SettingsSwitches switches;
    bool settingsDialogOpen = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelpCommands)
};
