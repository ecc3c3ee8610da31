#pragma once

#include "UserDialogs.h"
#include "model/EditorSettings.h"

/** The two switches of the settings and quick start dialogs: each change is
    saved at once. A settings file that cannot be written is told to the user
    once (again only after a save has worked); the switch still applies until
    the editor closes.
*/
class SettingsSwitches final
{
public:
    SettingsSwitches (EditorSettings& settings, UserDialogs& dialogs);

    void setShowQuickStartGuide (bool shouldShow);
    void setShowTooltips (bool shouldShow);

    const EditorSettings& getSettings() const noexcept { return settings; }

private:
    void save();

    EditorSettings& settings;
    UserDialogs& dialogs;
    bool failureReported = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsSwitches)
};
