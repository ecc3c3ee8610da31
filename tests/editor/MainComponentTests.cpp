#include "app/UiScale.h"
#include "appearance/DesignLayout.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

TEST (MainComponent, StartsWithTheBasicViewAndSendsNothing)
{
    EditorTestRig rig;
    auto& main = *rig.main;

    EXPECT_EQ (main.getWidth(), 1024);
    EXPECT_EQ (main.getHeight(), 768);
    EXPECT_TRUE (main.getBasicView().isVisible());
    EXPECT_FALSE (main.getAdvancedView().isVisible());
    EXPECT_FALSE (main.getGlobalView().isVisible());
    EXPECT_EQ (main.presetNameLabel.getText(), "NEW PRESET");
    EXPECT_EQ (main.presetVolumeSlider.getValue(), 60.0);
    EXPECT_EQ (main.presetVolumeSlider.getTooltip(), "47 %");
    EXPECT_EQ (main.saveButton.getBounds(), juce::Rectangle<int> (22, 287, 92, 46));
    EXPECT_EQ (main.getDeviceList().getModel()->getNumRows(), 32);
    EXPECT_TRUE (rig.takeReceived().empty());

    // Names, tooltips and the inverted command pictures.
    EXPECT_EQ (main.saveButton.getTooltip(), "Save the current preset to the current library");
    EXPECT_EQ (main.brandLogoButton.getTooltip(), "Brax Music Website");
    EXPECT_TRUE ((bool) main.syncButton.getProperties()["invert"]);
    EXPECT_FALSE (main.brandLogoButton.getProperties().contains ("invert"));
    EXPECT_EQ (main.getLibraryList().getName(), "Library Presets");
    EXPECT_NE (main.getTooltipWindow(), nullptr);

    // Clicking a view button switches the view; clicking it again changes nothing.
    main.advancedViewButton.setToggleState (true, juce::sendNotificationSync);
    EXPECT_FALSE (main.getBasicView().isVisible());
    EXPECT_TRUE (main.getAdvancedView().isVisible());
    main.advancedViewButton.setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (main.getAdvancedView().isVisible());
    main.globalViewButton.setToggleState (true, juce::sendNotificationSync);
    EXPECT_TRUE (main.getGlobalView().isVisible());
    EXPECT_FALSE (main.getAdvancedView().isVisible());
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
    auto& main = *rig.main;

    // A slot of the instrument: only the program change goes out.
    main.getDeviceList().selectRow (5);
    auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_TRUE (received[0].isProgramChange());
    EXPECT_EQ (received[0].getProgramChangeNumber(), 5);
    EXPECT_EQ (main.presetNameLabel.getText(), "PRESET 6");
    EXPECT_EQ (rig.instrument.getSelectedSlot(), 5);

    // A library preset differing only in volume: its name and one controller.
    auto presets = EditorTestRig::presetsNamed ("LOUD ", 2);
    presets[1].volume = 100;
    presets[1].name = "LOUD";
    presets[0] = main.getCurrentPresetValue();
    rig.useLibrary ("MINE", presets);
    main.getLibraryList().selectRow (1);
    received = rig.takeReceived();
    EXPECT_EQ (EditorTestRig::nameSentIn (received), "LOUD");
    const auto controllers = EditorTestRig::controllersIn (received);
    ASSERT_EQ (controllers.size(), 1u);
    EXPECT_EQ (controllers[0].getControllerNumber(), 103);
    EXPECT_EQ (controllers[0].getControllerValue(), 100);
    EXPECT_EQ (main.getCurrentPresetValue().volume, 100);
    EXPECT_EQ (main.getDeviceList().getSelectedRow(), 5); // stays
    EXPECT_EQ (main.presetVolumeSlider.getTooltip(), "79 %");

    // Selecting the slot again clears the library selection.
    main.getDeviceList().selectRow (2);
    EXPECT_EQ (main.getLibraryList().getSelectedRow(), -1);
}

TEST (MainComponent, VolumeAndNameEditsReachTheInstrument)
{
    EditorTestRig rig;
    auto& main = *rig.main;

    main.presetVolumeSlider.setValue (90.0, juce::sendNotificationSync);
    auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_EQ (received[0].getControllerNumber(), 103);
    EXPECT_EQ (received[0].getControllerValue(), 90);
    EXPECT_EQ (main.getCurrentPresetValue().volume, 90);

    main.presetNameLabel.setText ("  soft lead ", juce::sendNotificationSync);
    EXPECT_EQ (main.presetNameLabel.getText(), "SOFT LEAD");
    EXPECT_EQ (main.getCurrentPresetValue().name, "SOFT LEAD");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "SOFT LEAD");

    main.presetNameLabel.setText ("a name longer than thirteen", juce::sendNotificationSync);
    EXPECT_EQ (main.getCurrentPresetValue().name, "A NAME LONGER");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "A NAME LONGER");

    main.presetNameLabel.setText ("   ", juce::sendNotificationSync);
    EXPECT_EQ (main.presetNameLabel.getText(), "A NAME LONGER");
    EXPECT_TRUE (rig.takeReceived().empty());
}

TEST (MainComponent, CommandButtonsRunOnlyWhenClickedWithThePointer)
{
    EditorTestRig rig;
    auto& main = *rig.main;

    // A keyboard click shows the button as down: nothing happens.
    main.syncButton.setState (juce::Button::buttonDown);
    main.buttonClicked (&main.syncButton);
    EXPECT_EQ (main.getDeviceLink().syncState.load(), DeviceLink::idle);

    main.syncButton.setState (juce::Button::buttonOver);
    main.buttonClicked (&main.syncButton);
    EXPECT_EQ (main.getDeviceLink().syncState.load(), DeviceLink::identityRequested);
    EXPECT_FALSE (main.syncButton.isVisible());
    ASSERT_TRUE (rig.waitForSyncToFinish());
    EXPECT_TRUE (main.syncButton.isVisible());
    EXPECT_EQ (main.getDeviceList().getModel()->getNumRows(), 32);
    EXPECT_EQ (main.getDeviceLink().deviceLibrary.presets[0].name, rig.instrument.getBank()[0].name);

    int opened = 0;
    main.onOpenLibraryManager = [&]
    { ++opened; };
    main.folderButton.setState (juce::Button::buttonOver);
    main.buttonClicked (&main.folderButton);
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
