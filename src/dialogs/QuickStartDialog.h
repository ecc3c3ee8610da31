#pragma once

#include "SettingsSwitches.h"
#include "appearance/UiScale.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The quick start guide: one picture and the switch that decides whether it
    shows at every start. It has no buttons; its window's close button or
    Escape closes it.
*/
class QuickStartDialog final : public juce::Component,
                               private juce::Button::Listener
{
public:
    QuickStartDialog (SettingsSwitches& switches, float scale = getUiScale());
    ~QuickStartDialog() override;

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void buttonClicked (juce::Button*) override;

    SettingsSwitches& switches;
    const float scale;
    VandoriumLookAndFeel checkboxLook;
    juce::ToggleButton showAtStartSwitch { "Show Quick Start guide" };
    std::unique_ptr<juce::Drawable> background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuickStartDialog)
};
