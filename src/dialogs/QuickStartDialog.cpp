#include "QuickStartDialog.h"

#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"

QuickStartDialog::QuickStartDialog (SettingsSwitches& s, float uiScale)
    : switches (s)
    , scale (uiScale)
{
    addAndMakeVisible (showAtStartSwitch);
    showAtStartSwitch.setButtonText ({});
    showAtStartSwitch.addListener (this);

    background = getResourceDrawable ("Editor Quick Start", "png");

    setSize ((int) (DesignLayout::QuickStart::width * scale), (int) (DesignLayout::QuickStart::height * scale));

    checkboxLook.setKnobImage (getResourceImage ("Checkbox", "png"), 2);
    showAtStartSwitch.setLookAndFeel (&checkboxLook);
    showAtStartSwitch.setToggleState (switches.getSettings().showQuickStartGuide, juce::dontSendNotification);
}

QuickStartDialog::~QuickStartDialog()
{
    showAtStartSwitch.setLookAndFeel (nullptr);
}

void QuickStartDialog::paint (juce::Graphics& g)
{
    if (background != nullptr)
        background->drawWithin (g, { 0.0f, 0.0f, DesignLayout::QuickStart::width * scale, DesignLayout::QuickStart::height * scale }, juce::RectanglePlacement::stretchToFit, 1.0f);
}

void QuickStartDialog::resized()
{
    showAtStartSwitch.setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::QuickStart::children, "Show Quick Start guide"), scale));
}

void QuickStartDialog::buttonClicked (juce::Button* button)
{
    if (button == &showAtStartSwitch)
        switches.setShowQuickStartGuide (showAtStartSwitch.getToggleState());
}
