#pragma once

#include "AdvancedViewComponent.h"
#include "BasicViewComponent.h"
#include "GlobalViewComponent.h"
#include "PresetCommands.h"
#include "PresetLists.h"
#include "appearance/VandoriumLookAndFeel.h"
#include "device/DeviceLink.h"
#include "dialogs/UserDialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** What the main component works with: the instrument's ports, the
    settings and the dialogs.
*/
struct MainComponentServices
{
    DevicePorts& ports;
    EditorSettings& settings;
    UserDialogs& dialogs;
};

/** The content of the main window: the header with the preset name, volume
    and commands, the two preset lists, and the three parameter views. It
    owns the editor's data (current preset, current library, the copy of the
    instrument's bank through the device link) and is the listener of all
    its controls.
*/
class MainComponent final : public juce::Component,
                            public juce::DragAndDropContainer,
                            private juce::Timer,
                            public PresetListBoxModelListener,
                            private juce::Slider::Listener,
                            public juce::Button::Listener,
                            private juce::Label::Listener,
                            public DeviceLinkHost,
                            public PresetCommandTarget,
                            public PresetListDropTarget
{
public:
    using Services = MainComponentServices;

private:
    // Declared first: the look-and-feels and the data outlive every child.
    Services services;

    const juce::Image* currentBackground = nullptr;
    juce::Image basicBackground, advancedBackground, globalBackground;

    VandoriumLookAndFeel knobLook, bigKnobLook, roundButtonLook, scrollbarLook;
    std::unique_ptr<juce::TooltipWindow> tooltipWindow;

    BXVandoriumPreset currentPreset;
    BXVandoriumLibrary currentLibrary;
    DeviceLink link;
    PresetCommands commands;

    std::unique_ptr<PresetListBoxModel> libraryModel, deviceModel;

public:
    //==============================================================================
    explicit MainComponent (Services services);
    ~MainComponent() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;

    /** The image buttons run their command only while the pointer is over
        them, so a keyboard-triggered click does nothing.
    */
    void buttonClicked (juce::Button*) override;

    void presetSelected (BXVandoriumLibrary* library, int row) override;

    /** Shows a preset; with sendNotificationSync every changed parameter
        (and the name) goes to the instrument, with dontSendNotification nothing.
    */
    void loadPresetIntoEditor (const BXVandoriumPreset& preset, juce::NotificationType notification) override;

    void showSelectedView();
    void setCurrentLibrary (const BXVandoriumLibrary& library);
    void savePresetToLibrary (const BXVandoriumPreset& preset) { commands.savePresetToLibrary (preset); }

    //==============================================================================
    // The device link's operations, under the names the rest of the editor uses.
    void advanceSync() { link.advanceSync(); }
    void sendLibraryToDevice (const BXVandoriumLibrary& library) { link.sendLibraryToDevice (library); }
    void replaceDevicePreset (const BXVandoriumPreset& preset, int slot) override { link.replaceDevicePreset (preset, slot); }
    void openDevicePorts() { link.openDevicePorts(); }
    bool isDeviceConnected() { return link.getPorts().deviceConnected; }

    DeviceLink& getDeviceLink() noexcept { return link; }
    const BXVandoriumPreset& getCurrentPresetValue() const noexcept { return currentPreset; }
    const BXVandoriumLibrary& getCurrentLibraryValue() const noexcept { return currentLibrary; }
    BasicViewComponent& getBasicView() noexcept { return basicView; }
    AdvancedViewComponent& getAdvancedView() noexcept { return advancedView; }
    GlobalViewComponent& getGlobalView() noexcept { return globalView; }
    BXListBox& getLibraryList() noexcept { return libraryList; }
    BXListBox& getDeviceList() noexcept { return deviceList; }
    PresetCommands& getCommands() noexcept { return commands; }
    juce::TooltipWindow* getTooltipWindow() noexcept { return tooltipWindow.get(); }

    /** Creates or removes the tooltip window to match the settings. */
    void applyTooltipSetting();

    /** Called for the "Folder", "Vandorium Logo" and "Brax Logo" buttons. */
    std::function<void()> onOpenLibraryManager, onOpenSettings, onOpenWebsite;

    //==============================================================================
    // DeviceLinkHost
    void showSyncControls (bool syncButtonVisible) override;
    void refreshDeviceList() override;
    void deviceLibraryReplaced() override;
    void deviceListRowsChanged() override;
    void showNotice (const juce::String& title, const juce::String& message) override;
    void wait (int milliseconds) override;
    void loadDevicePresetIntoEditor (const BXVandoriumPreset& preset) override;
    int getSelectedDeviceRow() override;
    void clearLibrarySelection() override;

    // PresetCommandTarget
    BXVandoriumPreset& getCurrentPreset() override { return currentPreset; }
    BXVandoriumLibrary& getCurrentLibrary() override { return currentLibrary; }
    const BXVandoriumLibrary& getDeviceLibrary() override { return link.deviceLibrary; }
    int getSelectedLibraryRow() override;
    void refreshLibraryList (int rowToSelect) override;
    void selectDeviceSlot (int slot) override;
    juce::Component* getDialogParent() override { return this; }

    // PresetListDropTarget
    void presetDropped (const BXListBox& source, int sourceRow, const BXListBox& target, int targetRow) override;

    //==============================================================================
    juce::Slider presetVolumeSlider { "Preset Volume" };
    juce::Label presetNameLabel { "Preset Name", "label text" };
    juce::ImageButton saveButton { "Save Preset" }, deleteButton { "Delete Preset" }, brandLogoButton { "Brax Logo" },
        quickSaveButton { "Quick Save Preset" }, folderButton { "Folder" }, syncButton { "Sync" }, productLogoButton { "Vandorium Logo" };
    juce::ToggleButton basicViewButton { "Basic View" }, advancedViewButton { "Advanced View" }, globalViewButton { "Global View" };

private:
    //==============================================================================
    void timerCallback() override;
    void sliderValueChanged (juce::Slider*) override;
    void labelTextChanged (juce::Label*) override;

    void setUpImageButton (juce::ImageButton& button, const juce::String& imageName, const juce::String& tooltip);
    void installLibraryModel();
    void installDeviceModel();

    // Children, in the order of creation and stacking.
    BasicViewComponent basicView;
    AdvancedViewComponent advancedView;
    GlobalViewComponent globalView;
    BXListBox libraryList, deviceList;
    juce::ProgressBar syncProgressBar;

    std::unique_ptr<juce::Drawable> backgroundDrawable;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
