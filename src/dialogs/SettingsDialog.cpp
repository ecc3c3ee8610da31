#include "SettingsDialog.h"

#include "ModalDialogRunner.h"
#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"

SettingsDialog::SettingsDialog (SettingsSwitches& s, float uiScale)
    : switches (s)
    , scale (uiScale)
{
    const auto roundButtonImage = getResourceImage ("Round Button HD", "png");

    for (auto* button : { &instrumentManualButton, &quickStartButton, &editorManualButton })
    {
        addAndMakeVisible (button);
        button->addListener (this);
        // One picture for every state: the look draws the pressed frame.
        button->setImages (false, true, true, roundButtonImage, 1.0f, juce::Colour (0x00000000), {}, 1.0f, juce::Colour (0x00000000), {}, 1.0f, juce::Colour (0x00000000));
    }

    for (auto* toggle : { &quickStartSwitch, &tooltipsSwitch })
    {
        addAndMakeVisible (toggle);
        toggle->setButtonText ({});
        toggle->addListener (this);
    }

    addAndMakeVisible (versionLabel);
    versionLabel.setJustificationType (juce::Justification::centredLeft);
    versionLabel.setEditable (false, false, false);
    versionLabel.setColour (juce::Label::textColourId, juce::Colour (0xffffffff));
    versionLabel.setColour (juce::TextEditor::textColourId, juce::Colour (0xff000000));
    versionLabel.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));

    background = getResourceDrawable ("SETTINGS BACKGROUND", "png");

    setSize ((int) (DesignLayout::Settings::width * scale), (int) (DesignLayout::Settings::height * scale));

    roundButtonLook.setKnobImage (getResourceFile ("Round Button HD", "png"), 2);
    checkboxLook.setKnobImage (getResourceFile ("Checkbox", "png"), 2);

    for (auto* button : { &instrumentManualButton, &quickStartButton, &editorManualButton })
        button->setLookAndFeel (&roundButtonLook);

    for (auto* toggle : { &quickStartSwitch, &tooltipsSwitch })
        toggle->setLookAndFeel (&checkboxLook);

    const auto& settings = switches.getSettings();
    quickStartSwitch.setToggleState (settings.showQuickStartGuide, juce::dontSendNotification);
    tooltipsSwitch.setToggleState (settings.showTooltips, juce::dontSendNotification);

    versionLabel.setFont (getFuturaFont (15.0f * scale));
    versionLabel.setText (versionText (settings.firmwareVersion), juce::dontSendNotification);

    onCommand = [this] (int result)
    { DialogWindowRunner::closeDialogHolding (*this, result); };
}

SettingsDialog::~SettingsDialog()
{
    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);
}

juce::String SettingsDialog::versionText (const juce::String& firmwareVersion)
{
    auto text = "v" + juce::String (BuildInfo::version);

    if (firmwareVersion.isNotEmpty())
        text << "  (Vandorium FW " << firmwareVersion << ")";

    return text;
}

void SettingsDialog::paint (juce::Graphics& g)
{
    if (background != nullptr)
        background->drawWithin (g, { 0.0f, 0.0f, DesignLayout::Settings::width * scale, DesignLayout::Settings::height * scale }, juce::RectanglePlacement::stretchToFit, 1.0f);
}

void SettingsDialog::resized()
{
    for (auto* child : getChildren())
        child->setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Settings::children, child->getName().toRawUTF8()), scale));
}

void SettingsDialog::buttonClicked (juce::Button* button)
{
    if (button == &instrumentManualButton || button == &editorManualButton || button == &quickStartButton)
    {
        const auto result = button == &instrumentManualButton ? openInstrumentManual
                            : button == &editorManualButton   ? openEditorManual
                                                              : showQuickStartGuide;

        if (onCommand != nullptr)
            onCommand (result);
    }
    else if (button == &quickStartSwitch)
    {
        switches.setShowQuickStartGuide (quickStartSwitch.getToggleState());
    }
    else if (button == &tooltipsSwitch)
    {
        switches.setShowTooltips (tooltipsSwitch.getToggleState());
    }
}
