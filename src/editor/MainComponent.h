#pragma once

#include "AdvancedViewComponent.h"
#include "BasicViewComponent.h"
#include "EditorSession.h"
#include "GlobalViewComponent.h"
#include "HeaderComponent.h"
#include "PresetLists.h"
#include "appearance/VandoriumLookAndFeel.h"
#include "dialogs/HelpCommands.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The content of the main window: the header, the two preset lists, the
    three parameter views with their switch, and the tooltip window. It shows
    an editor session and forwards what the user does to it; the data lives
    in the session.
*/
class MainComponent final : public juce::Component,
                            public juce::DragAndDropContainer,
                            private juce::Timer,
                            private juce::Button::Listener,
                            private EditorSession::Listener,
                            private PresetListBoxModelListener,
                            public PresetListDropTarget
{
public:
    explicit MainComponent (EditorSession& session);
    ~MainComponent() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;

    /** Shows the view whose switch is on. */
    void showSelectedView();

    /** Creates or removes the tooltip window to match the settings. */
    void applyTooltipSetting();

    /** Called for the "Folder" button. */
    std::function<void()>& onOpenLibraryManager() noexcept { return header.onOpenLibraryManager; }

    /** The settings dialog, the manuals and the website ("Vandorium Logo",
        "Brax Logo" and the menu); without them those commands do nothing.
    */
    void setHelpCommands (HelpCommands* commands) noexcept { help = commands; }

    /** Shows the settings dialog modally, carries out the command that closed
        it, then matches the tooltip window to the tooltip switch.
    */
    void showSettingsDialog();
    void openMakerWebsite();

    EditorSession& getSession() noexcept { return session; }
    juce::TooltipWindow* getTooltipWindow() noexcept { return tooltipWindow.get(); }

private:
    //==============================================================================
    void timerCallback() override;
    void buttonClicked (juce::Button*) override;

    // EditorSession::Listener
    void presetLoaded (juce::NotificationType) override;
    void libraryReplaced() override;
    void libraryRowsChanged (int rowToSelect) override;
    void librarySelectionCleared() override;
    void bankReplaced (DeviceLink::BankChange) override;
    void bankSlotChanged (int slot) override;
    void syncStateChanged (DeviceLink::SyncState) override;
    void deviceSlotSelected (int slot) override;
    void connectionChanged (bool connected) override;

    // The lists
    void presetSelected (BXVandoriumLibrary* library, int row) override;

public:
    void presetDropped (const BXListBox& source, int sourceRow, const BXListBox& target, int targetRow) override;

private:
    EditorSession::PresetList listOf (const BXListBox& list) const;

    void installListModel (BXListBox& list);

    EditorSession& session;
    HelpCommands* help = nullptr;

    // Declared before the children: the looks outlive every child.
    VandoriumLookAndFeel knobLook, bigKnobLook, roundButtonLook, scrollbarLook;
    std::unique_ptr<juce::TooltipWindow> tooltipWindow;
    juce::Image basicBackground, advancedBackground, globalBackground;
    const juce::Image* currentBackground = nullptr;
    std::unique_ptr<juce::Drawable> backgroundDrawable;
    std::unique_ptr<PresetListBoxModel> libraryModel, deviceModel;

    // Children, in the order of creation and stacking.
    BasicViewComponent basicView;
    AdvancedViewComponent advancedView;
    GlobalViewComponent globalView;
    HeaderComponent header;
    juce::ToggleButton basicViewButton { "Basic View" }, advancedViewButton { "Advanced View" }, globalViewButton { "Global View" };
    BXListBox libraryList, deviceList;

    // Set while the window selects a row itself, so the list's report of it
    // is not taken for the user's choice.
    bool selectingForTheSession = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
