#pragma once

#include "CommandButton.h"
#include "ConnectionStatus.h"
#include "EditorSession.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The top left of the main window: the preset's name display and volume,
    the preset commands, the library manager and "Sync" buttons with the
    sync progress, and the two logos. It covers the rectangle around its
    controls and is transparent elsewhere.
*/
class HeaderComponent final : public juce::Component,
                              private juce::Slider::Listener,
                              private juce::Label::Listener
{
public:
    HeaderComponent (EditorSession& session, VandoriumLookAndFeel& bigKnobLook);
    ~HeaderComponent() override;

    /** Shows the session's preset: its name, and its volume with the
        notification given (which sends the volume when it changed).
    */
    void showPreset (const BXVandoriumPreset& preset, juce::NotificationType notification);

    /** The Sync button while idle, the progress bar while a run lasts, and
        the connection line.
    */
    void showSyncState (DeviceLink::SyncState state);

    /** The connection line: connected, not connected or synchronising. */
    void showConnection (bool connected);

    void resized() override;

    /** The rectangle of the design that the header covers. */
    static juce::Rectangle<int> designBounds();

    /** Called for the "Folder", "Vandorium Logo" and "Brax Logo" buttons. */
    std::function<void()> onOpenLibraryManager, onOpenSettings, onOpenWebsite;

private:
    void sliderValueChanged (juce::Slider*) override;
    void labelTextChanged (juce::Label*) override;
    void setUpCommandButton (CommandButton& button, const juce::String& imageName, const juce::String& tooltip, std::function<void()> command);

    EditorSession& session;

    juce::Slider presetVolumeSlider { "Preset Volume" };
    juce::Label presetNameLabel { "Preset Name", "label text" };
    CommandButton saveButton { "Save Preset" }, deleteButton { "Delete Preset" }, brandLogoButton { "Brax Logo" },
        quickSaveButton { "Quick Save Preset" }, folderButton { "Folder" }, syncButton { "Sync" }, productLogoButton { "Vandorium Logo" };
    juce::ProgressBar syncProgressBar;
    ConnectionStatus connectionStatus;
    bool connected = false;
    DeviceLink::SyncState syncState = DeviceLink::SyncState::startingUp;

    void updateConnectionStatus();
    void fitNameFont();

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HeaderComponent)
};
