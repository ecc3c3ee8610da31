#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

TEST (MainComponent, StartsWithTheBasicViewAndSendsNothing)
{
    EditorTestRig rig;
    auto& main = *rig.main;

    EXPECT_EQ (main.getWidth(), 1024);
    EXPECT_EQ (main.getHeight(), 768);
    EXPECT_TRUE (rig.basicView().isVisible());
    EXPECT_FALSE (rig.advancedView().isVisible());
    EXPECT_FALSE (rig.globalView().isVisible());
    EXPECT_EQ (rig.nameDisplay().getText(), "NEW PRESET");
    EXPECT_EQ (rig.volumeKnob().getValue(), 60.0);
    EXPECT_EQ (rig.volumeKnob().getTooltip(), "47 %");
    EXPECT_EQ (main.getLocalArea (&rig.button ("Save Preset"), rig.button ("Save Preset").getLocalBounds()), juce::Rectangle<int> (22, 287, 92, 46));
    EXPECT_EQ (rig.deviceList().getModel()->getNumRows(), 32);
    EXPECT_TRUE (rig.takeReceived().empty());

    // Names, tooltips and the inverted command pictures.
    EXPECT_EQ (rig.button ("Save Preset").getTooltip(), "Save the current preset to the current library");
    EXPECT_EQ (rig.button ("Brax Logo").getTooltip(), "Brax Music Website");
    EXPECT_TRUE ((bool) rig.button ("Sync").getProperties()["invert"]);
    EXPECT_FALSE (rig.button ("Brax Logo").getProperties().contains ("invert"));
    EXPECT_EQ (rig.libraryList().getName(), "Library Presets");
    EXPECT_NE (main.getTooltipWindow(), nullptr);

    // Clicking a view button switches the view; clicking it again changes nothing.
    rig.control<juce::ToggleButton> ("Advanced View").setToggleState (true, juce::sendNotificationSync);
    EXPECT_FALSE (rig.basicView().isVisible());
    EXPECT_TRUE (rig.advancedView().isVisible());
    rig.control<juce::ToggleButton> ("Advanced View").setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (rig.advancedView().isVisible());
    rig.control<juce::ToggleButton> ("Global View").setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (rig.globalView().isVisible());
    EXPECT_FALSE (rig.advancedView().isVisible());
}

TEST (MainComponent, ScaledLayoutRoundsOutwards)
{
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (1080), 1.0f);
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (800), 1.0f);
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (768), 0.92578125f);
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (720), 0.86328125f);
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (700), 0.8359375f);
    EXPECT_FLOAT_EQ (uiScaleForUsableHeight (600), 0.70703125f);

    const auto save = DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Main::children, "Save Preset"), 0.86328125f);
    EXPECT_EQ (save.getX(), 18);
    EXPECT_EQ (save.getY(), 247);
    EXPECT_EQ (save.getRight(), 99);
    EXPECT_EQ (save.getBottom(), 288);
    EXPECT_EQ ((int) (1024 * 0.86328125f), 884);
    EXPECT_EQ ((int) (768 * 0.86328125f), 663);
}

TEST (MainComponent, SelectingARowPlaysOrSelectsThePreset)
{
    EditorTestRig rig;

    // A slot of the instrument: only the program change goes out.
    rig.deviceList().selectRow (5);
    auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_TRUE (received[0].isProgramChange());
    EXPECT_EQ (received[0].getProgramChangeNumber(), 5);
    EXPECT_EQ (rig.nameDisplay().getText(), "PRESET 6");
    EXPECT_EQ (rig.instrument.getSelectedSlot(), 5);

    // A library preset differing only in volume: its name and one controller.
    auto presets = EditorTestRig::presetsNamed ("LOUD ", 2);
    presets[1].volume = 100;
    presets[1].name = "LOUD";
    presets[0] = rig.preset();
    rig.useLibrary ("MINE", presets);
    rig.libraryList().selectRow (1);
    received = rig.takeReceived();
    EXPECT_EQ (EditorTestRig::nameSentIn (received), "LOUD");
    const auto controllers = EditorTestRig::controllersIn (received);
    ASSERT_EQ (controllers.size(), 1u);
    EXPECT_EQ (controllers[0].getControllerNumber(), 103);
    EXPECT_EQ (controllers[0].getControllerValue(), 100);
    EXPECT_EQ (rig.preset().volume, 100);
    EXPECT_EQ (rig.deviceList().getSelectedRow(), 5); // stays
    EXPECT_EQ (rig.volumeKnob().getTooltip(), "79 %");

    // Selecting the slot again clears the library selection.
    rig.deviceList().selectRow (2);
    EXPECT_EQ (rig.libraryList().getSelectedRow(), -1);
}

TEST (MainComponent, VolumeAndNameEditsReachTheInstrument)
{
    EditorTestRig rig;

    rig.volumeKnob().setValue (90.0, juce::sendNotificationSync);
    auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_EQ (received[0].getControllerNumber(), 103);
    EXPECT_EQ (received[0].getControllerValue(), 90);
    EXPECT_EQ (rig.preset().volume, 90);

    rig.nameDisplay().setText ("  soft lead ", juce::sendNotificationSync);
    EXPECT_EQ (rig.nameDisplay().getText(), "SOFT LEAD");
    EXPECT_EQ (rig.preset().name, "SOFT LEAD");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "SOFT LEAD");

    rig.nameDisplay().setText ("a name longer than thirteen", juce::sendNotificationSync);
    EXPECT_EQ (rig.preset().name, "A NAME LONGER");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "A NAME LONGER");

    rig.nameDisplay().setText ("   ", juce::sendNotificationSync);
    EXPECT_EQ (rig.nameDisplay().getText(), "A NAME LONGER");
    EXPECT_TRUE (rig.takeReceived().empty());
}

TEST (MainComponent, CommandButtonsRunOnlyWhenClickedWithThePointer)
{
    EditorTestRig rig;
    auto& main = *rig.main;

    // A keyboard click shows the button as down: nothing happens.
    rig.button ("Sync").setState (juce::Button::buttonDown);
    rig.button ("Sync").clicked();
    EXPECT_EQ (rig.session->getLink().getSyncState(), DeviceLink::SyncState::idle);

    rig.button ("Sync").setState (juce::Button::buttonOver);
    rig.button ("Sync").clicked();
    EXPECT_EQ (rig.session->getLink().getSyncState(), DeviceLink::SyncState::identityRequested);
    EXPECT_FALSE (rig.button ("Sync").isVisible());
    ASSERT_TRUE (rig.waitForSyncToFinish());
    EXPECT_TRUE (rig.button ("Sync").isVisible());
    EXPECT_EQ (rig.deviceList().getModel()->getNumRows(), 32);
    EXPECT_EQ (rig.session->getLink().deviceLibrary.presets[0].name, rig.instrument.getBank()[0].name);

    int opened = 0;
    main.onOpenLibraryManager() = [&]
    { ++opened; };
    rig.button ("Folder").setState (juce::Button::buttonOver);
    rig.button ("Folder").clicked();
    EXPECT_EQ (opened, 1);

    // The framework shows a quick mouse click as "down" for a moment; a
    // keyboard click flashes "down" with the pointer elsewhere.
    EXPECT_TRUE (CommandButton::clickCounts (juce::Button::buttonOver, false));
    EXPECT_TRUE (CommandButton::clickCounts (juce::Button::buttonDown, true));
    EXPECT_FALSE (CommandButton::clickCounts (juce::Button::buttonDown, false));
    EXPECT_FALSE (CommandButton::clickCounts (juce::Button::buttonNormal, true));

    rig.button ("Folder").setState (juce::Button::buttonNormal);
    rig.button ("Folder").triggerClick();
    pumpUntil ([]
               { return false; },
               50);
    EXPECT_EQ (opened, 1);
}

TEST (MainComponent, ListRowsAreNumberedToTheListsLength)
{
    for (const auto& [count, first, last] : { std::tuple { 9, "01 P1", "09 P9" }, std::tuple { 100, "001 P1", "100 P100" }, std::tuple { 1000, "0001 P1", "1000 P1000" } })
    {
        BXVandoriumLibrary library;
        library.presets = EditorTestRig::presetsNamed ("P", count);
        PresetListBoxModel model (nullptr, &library, 100);
        EXPECT_EQ (model.rowText (0), first);
        EXPECT_EQ (model.rowText (count - 1), last);
    }

    std::vector<BXVandoriumLibrary> libraries (3);
    libraries[1].name = "Editor Factory";
    libraries[2].name = "mine";
    LibraryListBoxModel libraryModel (nullptr, &libraries, 100);
    EXPECT_EQ (libraryModel.rowText (0), "ALL");
    EXPECT_EQ (libraryModel.rowText (1), " EDITOR FACTORY");
    EXPECT_EQ (libraryModel.rowText (2), " MINE");

    juce::SparseSet<int> rows;
    EXPECT_TRUE (singleRowDragDescription (rows).isVoid());
    rows.addRange ({ 4, 5 });
    EXPECT_EQ ((int) singleRowDragDescription (rows), 4);
    rows.addRange ({ 7, 8 });
    EXPECT_TRUE (singleRowDragDescription (rows).isVoid());

    // Selection reports: a row once, a cleared selection never.
    struct Counter : PresetListBoxModelListener
    {
        void presetSelected (BXVandoriumLibrary*, int row) override { rowsReported.push_back (row); }
        std::vector<int> rowsReported;
    } counter;

    BXVandoriumLibrary library;
    library.presets = EditorTestRig::presetsNamed ("P", 3);
    PresetListBoxModel model (&counter, &library, 100);
    model.selectedRowsChanged (2);
    model.selectedRowsChanged (-1);
    EXPECT_EQ (counter.rowsReported, std::vector<int> { 2 });
}

TEST (MainComponent, EveryRowShowsAThirteenCharacterNameWhole)
{
    // The widest rows each list can show: a 13-character name after its
    // number, and the longest factory library's name.
    struct ListCase
    {
        juce::Rectangle<int> designBounds;
        juce::String widestRow;
    };

    const auto thirteen = juce::String ("MWMWMWMWMWMWM");
    const ListCase lists[] = {
        { DesignLayout::boundsOf (DesignLayout::Main::children, "Library Presets"), "999 " + thirteen },
        { DesignLayout::boundsOf (DesignLayout::Main::children, "Vandorium Presets"), "32 " + thirteen },
        { DesignLayout::boundsOf (DesignLayout::LibraryManager::children, "Presets"), "9999 " + thirteen },
        { DesignLayout::boundsOf (DesignLayout::LibraryManager::children, "Libraries"), " VANDORIUM FACTORY" },
    };

    for (const auto scale : { 1.0f, 0.86328125f })
    {
        for (const auto& list : lists)
        {
            SCOPED_TRACE (list.widestRow + " at " + juce::String (scale));
            const auto rowWidth = DesignLayout::scaled (list.designBounds, scale).getWidth() - 28;
            const auto listFont = getResourceFont ("LCDFont", 17.0f).withHeight (17.0f * scale);
            const auto font = lcdRowFont (list.widestRow, rowWidth, listFont);

            EXPECT_LE (font.getStringWidthFloat (list.widestRow), (float) (rowWidth - 8));
            EXPECT_GE (font.getHorizontalScale(), minimumRowTextScale);
        }
    }

    // A short row keeps the list's own letters.
    EXPECT_EQ (lcdRowFont ("01 PAD", 150, getResourceFont ("LCDFont", 17.0f)).getHorizontalScale(), 1.0f);
}
