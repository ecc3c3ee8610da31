#include "HeaderComponent.h"

#include "ParameterControls.h"
#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"

namespace
{
constexpr const char* headerChildren[] = { "Preset Volume", "Save Preset", "Delete Preset", "Brax Logo", "Quick Save Preset", "Folder", "Sync", "Preset Name", "Vandorium Logo", "Sync Progress Bar", "Connection Status" };

// A name has at most 13 characters; each must show whole, never cut with "...".
constexpr int longestName = 13;

// The least horizontal squeeze the framework applies before it cuts a text.
constexpr float fittingSqueeze = 0.7f;
} // namespace

HeaderComponent::HeaderComponent (EditorSession& s, VandoriumLookAndFeel& bigKnobLook)
    : session (s)
    , syncProgressBar (s.getLink().syncProgress)
{
    setName ("Header");

    // Transparent where it has no control: clicks there reach the window.
    setInterceptsMouseClicks (false, true);

    ParameterControls::setUpKnob (presetVolumeSlider, *this, *this);
    presetVolumeSlider.setTextBoxStyle (juce::Slider::NoTextBox, false, 80, 20);

    auto& commands = session.getCommands();
    setUpCommandButton (saveButton, "SAVE Button HD", "Save the current preset to the current library", [this]
                        { session.getCommands().savePresetToLibrary (session.getPreset()); });
    setUpCommandButton (deleteButton, "DELETE Button HD", "Delete the selected preset from the current library", [&commands]
                        { commands.deleteSelectedPreset(); });
    setUpCommandButton (brandLogoButton, {}, "Brax Music Website", [this]
                        { if (onOpenWebsite != nullptr) onOpenWebsite(); });
    setUpCommandButton (quickSaveButton, "QUICK SAVE Button HD", "Save the current preset to the selected preset on the Vandorium", [&commands]
                        { commands.quickSavePreset(); });
    setUpCommandButton (folderButton, "Folder Button HD", "Library Manager", [this]
                        { if (onOpenLibraryManager != nullptr) onOpenLibraryManager(); });
    setUpCommandButton (syncButton, "Sync Button HD", "Synchronize the editor with the Vandorium's library", [this]
                        { session.advanceSync(); });

    presetNameLabel.setFont (getResourceFont ("LCDFont", 36.0f));
    presetNameLabel.setJustificationType (juce::Justification::centred);
    presetNameLabel.setEditable (true, true, false);
    presetNameLabel.setColour (juce::Label::textColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
    presetNameLabel.setColour (juce::Label::textWhenEditingColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
    presetNameLabel.setColour (juce::Label::outlineColourId, juce::Colour (0x00000000));
    presetNameLabel.setColour (juce::Label::outlineWhenEditingColourId, juce::Colour (0x00000000));
    presetNameLabel.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    presetNameLabel.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
    presetNameLabel.addListener (this);
    addAndMakeVisible (presetNameLabel);

    setUpCommandButton (productLogoButton, {}, "Settings", [this]
                        { if (onOpenSettings != nullptr) onOpenSettings(); });

    syncProgressBar.setName ("Sync Progress Bar");
    addAndMakeVisible (syncProgressBar);
    syncProgressBar.setColour (juce::ProgressBar::backgroundColourId, juce::Colour (0x00000000));
    syncProgressBar.setColour (juce::ProgressBar::foregroundColourId, juce::Colours::white);
    syncProgressBar.setVisible (false);
    addAndMakeVisible (connectionStatus);

    presetVolumeSlider.setLookAndFeel (&bigKnobLook);
    presetNameLabel.setLookAndFeel (&bigKnobLook);
    syncProgressBar.setLookAndFeel (&bigKnobLook);

    for (auto* button : { &saveButton, &deleteButton, &quickSaveButton, &folderButton, &syncButton })
    {
        button->setLookAndFeel (&bigKnobLook);
        button->getProperties().set ("invert", true);
    }

    presetNameLabel.setText ("NEW PRESET", juce::dontSendNotification);
    presetVolumeSlider.setValue (60.0, juce::dontSendNotification);
    ParameterControls::applyParameter (presetVolumeSlider);
    ParameterControls::updateSliderTooltip (presetVolumeSlider);
}

HeaderComponent::~HeaderComponent()
{
    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);
}

void HeaderComponent::setUpCommandButton (CommandButton& button, const juce::String& imageName, const juce::String& tooltip, std::function<void()> command)
{
    const auto image = imageName.isNotEmpty() ? getResourceImage (imageName, "png") : juce::Image();
    const auto none = juce::Colour (0x00000000);

    button.setImages (false, true, true, image, 1.0f, none, {}, 1.0f, none, {}, 1.0f, none, 0.0f);
    button.setTooltip (tooltip);
    button.setWantsKeyboardFocus (false);
    button.onCommand = std::move (command);
    addAndMakeVisible (button);
}

juce::Rectangle<int> HeaderComponent::designBounds()
{
    juce::Rectangle<int> area;

    for (auto* name : headerChildren)
    {
        const auto bounds = DesignLayout::boundsOf (DesignLayout::Main::children, name);
        area = area.isEmpty() ? bounds : area.getUnion (bounds);
    }

    return area;
}

void HeaderComponent::resized()
{
    // Children keep the main window's scaled rectangles exactly, whatever
    // the header's own rounding.
    const auto scale = getUiScale();
    const auto origin = getPosition();

    for (auto* child : getChildren())
        child->setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Main::children, child->getName().toRawUTF8()), scale) - origin);

    fitNameFont();
}

void HeaderComponent::fitNameFont()
{
    // The LCD face at its design size, made smaller when thirteen of its
    // widest characters would not fit the display even squeezed.
    auto font = getResourceFont ("LCDFont", 36.0f);
    const auto border = presetNameLabel.getBorderSize();
    const auto available = (float) (presetNameLabel.getWidth() - border.getLeftAndRight()) - 1.0f;
    const auto widest = font.getStringWidthFloat (juce::String::repeatedString ("W", longestName)) * fittingSqueeze;

    if (available > 0.0f && widest > available)
        font.setHeight (font.getHeight() * available / widest);

    presetNameLabel.setMinimumHorizontalScale (fittingSqueeze);
    presetNameLabel.setFont (font);
}

//==============================================================================
void HeaderComponent::showPreset (const BXVandoriumPreset& preset, juce::NotificationType notification)
{
    presetNameLabel.setText (preset.name, juce::dontSendNotification);
    presetVolumeSlider.setValue (preset.volume, notification);

    if (notification == juce::dontSendNotification)
        ParameterControls::updateSliderTooltip (presetVolumeSlider);
}

void HeaderComponent::showSyncState (DeviceLink::SyncState state)
{
    const auto idle = state == DeviceLink::SyncState::idle;
    syncButton.setVisible (idle);
    syncProgressBar.setVisible (! idle);
    syncState = state;
    updateConnectionStatus();
}

void HeaderComponent::showConnection (bool isConnected)
{
    connected = isConnected;
    updateConnectionStatus();
}

void HeaderComponent::updateConnectionStatus()
{
    using State = ConnectionStatus::State;
    const auto syncing = syncState >= DeviceLink::SyncState::identityRequested;
    connectionStatus.setState (syncing ? State::synchronising : connected ? State::connected
                                                                          : State::notConnected);
}

void HeaderComponent::sliderValueChanged (juce::Slider* slider)
{
    const auto value = (int) slider->getValue();
    session.getEditedPreset().volume = (juce::uint8) value;
    ParameterControls::updateSliderTooltip (*slider);
    ParameterControls::sendValue (session.getSender(), *slider, value);
}

void HeaderComponent::labelTextChanged (juce::Label* label)
{
    label->setText (session.renamePreset (label->getText()), juce::dontSendNotification);
}
