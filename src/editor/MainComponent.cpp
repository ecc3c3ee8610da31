#include "MainComponent.h"

#include "ParameterControls.h"
#include "app/UiScale.h"
#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "device/ControllerMap.h"

namespace
{
constexpr int connectionTimerMs = 200;
} // namespace

MainComponent::MainComponent (Services s)
    : services (s)
    , link (s.ports, s.settings, *this)
    , commands (*this, s.dialogs)
    , basicView ({ currentPreset, link.getSender(), s.settings })
    , advancedView ({ currentPreset, link.getSender(), s.settings })
    , globalView ({ currentPreset, link.getSender(), s.settings })
    , syncProgressBar (link.syncProgress)
{
    const auto scale = getUiScale();

    addAndMakeVisible (basicView);

    ParameterControls::setUpKnob (presetVolumeSlider, *this, 0.0, 127.0, *this);
    presetVolumeSlider.setTextBoxStyle (juce::Slider::NoTextBox, false, 80, 20);

    setUpImageButton (saveButton, "SAVE Button HD", "Save the current preset to the current library");
    setUpImageButton (deleteButton, "DELETE Button HD", "Delete the selected preset from the current library");
    setUpImageButton (brandLogoButton, {}, "Brax Music Website");
    setUpImageButton (quickSaveButton, "QUICK SAVE Button HD", "Save the current preset to the selected preset on the Vandorium");
    setUpImageButton (folderButton, "Folder Button HD", "Library Manager");
    setUpImageButton (syncButton, "Sync Button HD", "Synchronize the editor with the Vandorium's library");

    for (auto* viewButton : { &basicViewButton, &advancedViewButton, &globalViewButton })
    {
        viewButton->setButtonText ({});
        viewButton->setRadioGroupId (1);
        viewButton->addListener (this);
        addAndMakeVisible (viewButton);
    }

    addAndMakeVisible (advancedView);
    addAndMakeVisible (globalView);
    libraryList.setName ("Library Presets");
    deviceList.setName ("Vandorium Presets");
    addAndMakeVisible (libraryList);
    addAndMakeVisible (deviceList);

    presetNameLabel.setFont (juce::Font (15.0f));
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

    setUpImageButton (productLogoButton, {}, "Settings");

    syncProgressBar.setName ("Sync Progress Bar");
    addAndMakeVisible (syncProgressBar);

    backgroundDrawable = juce::Drawable::createFromImageFile (getResourceFile ("Editor_BASIC", "png"));
    basicBackground = getResourceImage ("Editor_BASIC", "png");
    advancedBackground = getResourceImage ("Editor_ADVANCED", "png");
    globalBackground = getResourceImage ("Editor_GLOBAL_SIMPLE", "png");
    currentBackground = &basicBackground;

    setSize ((int) (DesignLayout::Main::width * scale), (int) (DesignLayout::Main::height * scale));
    basicViewButton.setToggleState (true, juce::dontSendNotification);
    presetNameLabel.setFont (getResourceFont ("LCDFont", 36.0f));

    knobLook.setKnobImage (getResourceFile ("Knob", "png"), 128);
    bigKnobLook.setKnobImage (getResourceFile ("Knob Big", "png"), 128);
    roundButtonLook.setKnobImage (getResourceFile ("Round Button HD", "png"), 2);
    scrollbarLook.setKnobImage (getResourceFile ("Scrollbar Knob HD", "png"), 1);

    basicView.setAdvancedView (&advancedView);
    advancedView.setGlobalView (&globalView);
    basicView.applyLookAndFeel (bigKnobLook);
    advancedView.applyLookAndFeel (bigKnobLook, knobLook);
    globalView.applyLookAndFeel (bigKnobLook, knobLook);

    applyTooltipSetting();

    presetVolumeSlider.setLookAndFeel (&bigKnobLook);
    presetNameLabel.setLookAndFeel (&bigKnobLook);
    syncProgressBar.setLookAndFeel (&bigKnobLook);

    for (auto* button : { &saveButton, &deleteButton, &quickSaveButton, &folderButton, &syncButton })
    {
        button->setLookAndFeel (&bigKnobLook);
        button->getProperties().set ("invert", true);
    }

    for (auto* viewButton : { &basicViewButton, &advancedViewButton, &globalViewButton })
        viewButton->setLookAndFeel (&roundButtonLook);

    syncProgressBar.setColour (juce::ProgressBar::backgroundColourId, juce::Colour (0x00000000));
    syncProgressBar.setColour (juce::ProgressBar::foregroundColourId, juce::Colours::white);
    syncProgressBar.setVisible (false);

    showSelectedView();

    presetNameLabel.setText ("NEW PRESET", juce::dontSendNotification);
    presetVolumeSlider.setValue (60.0, juce::dontSendNotification);
    ParameterControls::setDescriptor (presetVolumeSlider, ControllerMap::descriptorFor ("Preset Volume"));
    ParameterControls::setTooltipSettings (presetVolumeSlider, { 2, 0.0, 100.0, 0 });
    ParameterControls::updateSliderTooltip (presetVolumeSlider);

    for (auto* list : { &libraryList, &deviceList })
    {
        list->setRowHeight (std::max (1, (int) (20.0f * scale)));
        list->setColour (juce::ListBox::backgroundColourId, juce::Colour (0x00000000));
        list->getVerticalScrollBar().setLookAndFeel (&scrollbarLook);
        list->getVerticalScrollBar().setAutoHide (false);
    }

    link.loadStartUpBank();
    installDeviceModel();

    currentLibrary = BXVandoriumLibrary::resolve (services.settings.currentLibraryName, services.settings.libraryFolder, services.settings.getResourceFolder());
    installLibraryModel();

    link.syncElapsedMs = 0;
    startTimer (connectionTimerMs);
}

MainComponent::~MainComponent()
{
    stopTimer();
    link.closeDevicePorts();
    ResourceLoader::getInstance().releaseTypefaces();

    libraryList.setModel (nullptr);
    deviceList.setModel (nullptr);
    tooltipWindow = nullptr;

    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);

    for (auto* list : { &libraryList, &deviceList })
        list->getVerticalScrollBar().setLookAndFeel (nullptr);
}

void MainComponent::setUpImageButton (juce::ImageButton& button, const juce::String& imageName, const juce::String& tooltip)
{
    const auto image = imageName.isNotEmpty() ? getResourceImage (imageName, "png") : juce::Image();
    const auto none = juce::Colour (0x00000000);

    button.setImages (false, true, true, image, 1.0f, none, {}, 1.0f, none, {}, 1.0f, none, 0.0f);
    button.setTooltip (tooltip);
    button.setWantsKeyboardFocus (false);
    button.addListener (this);
    addAndMakeVisible (button);
}

void MainComponent::applyTooltipSetting()
{
    if (services.settings.showTooltips && tooltipWindow == nullptr)
    {
        tooltipWindow = std::make_unique<juce::TooltipWindow> (this, 0);
        tooltipWindow->setLookAndFeel (&knobLook);
    }
    else if (! services.settings.showTooltips && tooltipWindow != nullptr)
    {
        tooltipWindow = nullptr;
    }
}

//==============================================================================
void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::black);
    g.setColour (juce::Colours::black);

    // Both pictures fill the scaled design area only: a window that gives the
    // component a little more room shows black there, not a stray unscaled copy.
    const auto scale = getUiScale();
    const auto area = juce::Rectangle<int> (0, 0, (int) (DesignLayout::Main::width * scale), (int) (DesignLayout::Main::height * scale)).toFloat();

    if (backgroundDrawable != nullptr)
        backgroundDrawable->drawWithin (g, area, juce::RectanglePlacement::stretchToFit, 1.0f);

    if (currentBackground != nullptr && currentBackground->isValid())
        g.drawImage (*currentBackground, area, juce::RectanglePlacement::centred);
}

void MainComponent::resized()
{
    using namespace DesignLayout;
    const auto scale = getUiScale();
    const auto place = [&] (juce::Component& child, const char* name)
    { child.setBounds (scaled (boundsOf (Main::children, name), scale)); };

    place (basicView, "Basic View Panel");
    place (presetVolumeSlider, "Preset Volume");
    place (saveButton, "Save Preset");
    place (deleteButton, "Delete Preset");
    place (brandLogoButton, "Brax Logo");
    place (quickSaveButton, "Quick Save Preset");
    place (folderButton, "Folder");
    place (syncButton, "Sync");
    place (basicViewButton, "Basic View");
    place (advancedViewButton, "Advanced View");
    place (globalViewButton, "Global View");
    place (advancedView, "Advanced View Panel");
    place (globalView, "Global View Panel");
    place (libraryList, "Library Presets");
    place (deviceList, "Vandorium Presets");
    place (presetNameLabel, "Preset Name");
    place (productLogoButton, "Vandorium Logo");
    place (syncProgressBar, "Sync Progress Bar");
}

void MainComponent::showSelectedView()
{
    const auto show = [] (juce::Component& view, bool visible)
    {
        if (view.isVisible() != visible)
            view.setVisible (visible);
    };

    if (basicViewButton.getToggleState())
    {
        currentBackground = &basicBackground;
        show (basicView, true);
        show (advancedView, false);
        show (globalView, false);
    }
    else if (advancedViewButton.getToggleState())
    {
        currentBackground = &advancedBackground;
        show (basicView, false);
        show (advancedView, true);
        show (globalView, false);
    }
    else if (globalViewButton.getToggleState())
    {
        currentBackground = &globalBackground;
        show (basicView, false);
        show (advancedView, false);
        show (globalView, true);
    }

    repaint();
}

//==============================================================================
void MainComponent::buttonClicked (juce::Button* button)
{
    if (button == &basicViewButton || button == &advancedViewButton || button == &globalViewButton)
    {
        if (button->getToggleState())
            showSelectedView();

        return;
    }

    // Only a click made with the pointer over the button counts. The
    // framework shows a quick mouse click as "down" for a moment, so "down"
    // counts too while the pointer is over the button; a keyboard click
    // (pointer elsewhere) does nothing.
    const auto state = button->getState();

    if (! (state == juce::Button::buttonOver || (state == juce::Button::buttonDown && button->isMouseOver())))
        return;

    const auto run = [] (const std::function<void()>& f)
    {
        if (f != nullptr)
            f();
    };

    if (button == &saveButton)
        commands.savePresetToLibrary (currentPreset);
    else if (button == &deleteButton)
        commands.deleteSelectedPreset();
    else if (button == &quickSaveButton)
        commands.quickSavePreset();
    else if (button == &syncButton)
        link.advanceSync();
    else if (button == &folderButton)
        run (onOpenLibraryManager);
    else if (button == &productLogoButton)
        run (onOpenSettings);
    else if (button == &brandLogoButton)
        run (onOpenWebsite);
}

void MainComponent::sliderValueChanged (juce::Slider* slider)
{
    if (slider != &presetVolumeSlider)
        return;

    const auto value = (int) slider->getValue();
    currentPreset.volume = (juce::uint8) value;
    ParameterControls::updateSliderTooltip (*slider);
    ParameterControls::sendValue (link.getSender(), *slider, value);
}

void MainComponent::labelTextChanged (juce::Label* label)
{
    if (label != &presetNameLabel)
        return;

    const auto text = label->getText().trim();

    if (text.isEmpty())
    {
        label->setText (currentPreset.name.toUpperCase(), juce::dontSendNotification);
        return;
    }

    const auto shown = text.toUpperCase();
    label->setText (shown, juce::dontSendNotification);
    currentPreset.name = BXVandoriumPreset::cleanName (shown);
    link.getSender().sendPresetName (shown);
}

void MainComponent::presetSelected (BXVandoriumLibrary* library, int row)
{
    if (library == &link.deviceLibrary && row >= 0 && row < (int) link.deviceLibrary.presets.size())
    {
        loadPresetIntoEditor (link.deviceLibrary.presets[(size_t) row], juce::dontSendNotification);
        libraryList.deselectAllRows();
        link.getSender().sendPackedMessage (ControllerMap::programChange, row);
    }
    else if (library == &currentLibrary && row >= 0 && row < (int) currentLibrary.presets.size())
    {
        loadPresetIntoEditor (currentLibrary.presets[(size_t) row], juce::sendNotificationSync);
    }
}

void MainComponent::loadPresetIntoEditor (const BXVandoriumPreset& preset, juce::NotificationType notification)
{
    if (tooltipWindow != nullptr)
        tooltipWindow->hideTip();

    currentPreset = preset;
    presetNameLabel.setText (currentPreset.name, juce::dontSendNotification);

    if (notification != juce::dontSendNotification)
        link.getSender().sendPresetName (currentPreset.name);

    // The copy: the listeners write back into currentPreset while it loads.
    const auto loaded = currentPreset;
    presetVolumeSlider.setValue (loaded.volume, notification);

    if (notification == juce::dontSendNotification)
        ParameterControls::updateSliderTooltip (presetVolumeSlider);

    basicView.setFromPreset (loaded, notification);
    advancedView.setFromPreset (loaded, notification);
    globalView.updateNoteLabels();
}

void MainComponent::setCurrentLibrary (const BXVandoriumLibrary& library)
{
    services.settings.currentLibraryName = library.getName();
    services.settings.save();
    currentLibrary = library;
    installLibraryModel();
}

void MainComponent::installLibraryModel()
{
    auto model = std::make_unique<PresetListBoxModel> (this, &currentLibrary, libraryList.getWidth() - 28);
    libraryList.setModel (model.get());
    libraryModel = std::move (model);
    libraryList.updateContent();
}

void MainComponent::installDeviceModel()
{
    auto model = std::make_unique<PresetListBoxModel> (this, &link.deviceLibrary, deviceList.getWidth() - 28);
    deviceList.setModel (model.get());
    deviceModel = std::move (model);
    deviceList.updateContent();
}

void MainComponent::timerCallback()
{
    link.timerCallback();
}

//==============================================================================
void MainComponent::showSyncControls (bool syncButtonVisible)
{
    syncButton.setVisible (syncButtonVisible);
    syncProgressBar.setVisible (! syncButtonVisible);
}

void MainComponent::refreshDeviceList()
{
    deviceList.updateContent();
    deviceList.deselectAllRows();
    deviceList.repaint();
}

void MainComponent::deviceLibraryReplaced()
{
    installDeviceModel();
}

void MainComponent::deviceListRowsChanged()
{
    deviceList.updateContent();
    deviceList.repaint();
}

void MainComponent::showNotice (const juce::String& title, const juce::String& message)
{
    services.dialogs.showNotice (title, message);
}

void MainComponent::wait (int milliseconds)
{
    services.dialogs.wait (milliseconds);
}

void MainComponent::loadDevicePresetIntoEditor (const BXVandoriumPreset& preset)
{
    loadPresetIntoEditor (preset, juce::dontSendNotification);
}

int MainComponent::getSelectedDeviceRow()
{
    return deviceList.getSelectedRow();
}

void MainComponent::clearLibrarySelection()
{
    libraryList.deselectAllRows();
}

int MainComponent::getSelectedLibraryRow()
{
    return libraryList.getSelectedRow();
}

void MainComponent::refreshLibraryList (int rowToSelect)
{
    libraryList.updateContent();

    if (rowToSelect >= 0)
        libraryList.selectRow (rowToSelect);
    else
        libraryList.deselectAllRows();

    libraryList.repaint();
}

void MainComponent::selectDeviceSlot (int slot)
{
    link.getSender().sendPackedMessage (ControllerMap::programChange, slot);
}

void MainComponent::presetDropped (const BXListBox& source, int sourceRow, const BXListBox& target, int targetRow)
{
    if (&source == &target)
        return;

    if (&source == &deviceList && &target == &libraryList)
        commands.devicePresetDropped (sourceRow);
    else if (&source == &libraryList && &target == &deviceList)
        commands.libraryPresetDropped (sourceRow, targetRow);
}
