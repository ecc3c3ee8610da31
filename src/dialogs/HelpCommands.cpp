#include "HelpCommands.h"

#include "QuickStartDialog.h"
#include "SettingsDialog.h"

HelpCommands::HelpCommands (Services s)
    : services (std::move (s))
    , switches (services.settings, services.dialogs)
{
}

bool HelpCommands::showSettingsDialog (juce::Component* centreAround, const std::function<void()>& afterClosing)
{
    // A second request can only come through re-entry during the modal loop.
    if (settingsDialogOpen)
        return false;

    const juce::ScopedValueSetter<bool> open (settingsDialogOpen, true);
    int result = 0;

    {
        SettingsDialog dialog (switches);
        result = services.runner.runModal (dialog, "Settings", centreAround);
    }

    switch (result)
    {
        case SettingsDialog::openInstrumentManual:
            openManual (instrumentManual);
            break;
        case SettingsDialog::openEditorManual:
            openManual (editorManual);
            break;
        case SettingsDialog::showQuickStartGuide:
            showQuickStartGuide (centreAround);
            break;
        default:
            break;
    }

    if (afterClosing != nullptr)
        afterClosing();

    return true;
}

void HelpCommands::showQuickStartGuide (juce::Component* centreAround)
{
    QuickStartDialog dialog (switches);
    services.runner.runModal (dialog, "Quick Start Guide", centreAround);
}

void HelpCommands::openMakerWebsite()
{
    open (makerWebsite, "the maker's website");
}

void HelpCommands::openManual (const juce::String& fileName)
{
    const auto file = services.resourceFolder.getChildFile (fileName);

    if (! file.existsAsFile())
    {
        services.dialogs.showNotice ("Error", "The manual \"" + fileName + "\" is missing from the editor's resource folder:\n" + services.resourceFolder.getFullPathName() + "\n\nInstalling the editor again restores it.");
        return;
    }

    open (file.getFullPathName(), "the manual \"" + fileName + "\"");
}

void HelpCommands::open (const juce::String& fileOrAddress, const juce::String& what)
{
    auto& dialogs = services.dialogs;

    services.opener.open (fileOrAddress, [&dialogs, fileOrAddress, what] (const juce::String& reason)
                          { dialogs.showNotice ("Error", "The system could not open " + what + ":\n" + fileOrAddress + "\n\n" + reason + "."); });
}
