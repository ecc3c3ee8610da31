#include "SettingsSwitches.h"

SettingsSwitches::SettingsSwitches (EditorSettings& s, UserDialogs& d)
    : settings (s)
    , dialogs (d)
{
}

void SettingsSwitches::setShowQuickStartGuide (bool shouldShow)
{
    settings.showQuickStartGuide = shouldShow;
    save();
}

void SettingsSwitches::setShowTooltips (bool shouldShow)
{
    settings.showTooltips = shouldShow;
    save();
}

void SettingsSwitches::save()
{
    if (settings.save())
    {
        failureReported = false;
        return;
    }

    if (failureReported)
        return;

    failureReported = true;
    dialogs.showNotice ("Error", "The settings could not be written:\n" + settings.getSettingsFile().getFullPathName() + "\n\nYour choice applies until the editor closes. Check that the folder exists and can be written to.");
}
