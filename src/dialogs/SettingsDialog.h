#pragma once

#include "SettingsSwitches.h"
#include "appearance/UiScale.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The settings panel: the two switches, the three round buttons that close
    it with a command for its caller, and the version label, over its picture.
*/
class SettingsDialog final : public juce::Component,
                             private juce::Button::Listener
{
public:
    /** The results the round buttons close the dialog with. */
    enum Result
    {
        openInstrumentManual = 1000,
        openEditorManual = 1001,
        showQuickStartGuide = 1002
    };

    SettingsDialog (SettingsSwitches& switches, float scale = getUiScale());
    ~SettingsDialog() override;

    void paint (juce::Graphics&) override;
    void resized() override;

    /** Called with the result when a round button is clicked; by default it
        ends the modal state of the dialog window holding the panel.
    */
    std::function<void (int)> onCommand;

    /** "v1.0.0", then "  (Vandorium FW x)" once the instrument has answered. */
    static juce::String versionText (const juce::String& firmwareVersion);

private:
    void buttonClicked (juce::Button*) override;

    SettingsSwitches& switches;
    const float scale;

    // Declared before the children: the looks outlive them.
    VandoriumLookAndFeel roundButtonLook, checkboxLook;

    juce::ImageButton instrumentManualButton { "Vandorium User Manual" }, quickStartButton { "Quick Start Guide" },
        editorManualButton { "Editor User Manual" };
    juce::ToggleButton quickStartSwitch { "Show Quick Start Guide" }, tooltipsSwitch { "Show Tooltips" };
    juce::Label versionLabel { "Version", "Vx.y.z" };
    std::unique_ptr<juce::Drawable> background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsDialog)
};
