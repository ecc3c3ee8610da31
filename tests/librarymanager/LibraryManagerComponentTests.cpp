// The library manager's window on a real session and simulated instrument,
// driven as a user would, with scripted dialogs.

#include "editor/FindComponent.h"
#include "librarymanager/LibraryManagerComponent.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

namespace
{
struct ManagerRig : EditorTestRig
{
    ManagerRig()
    {
        useLibrary ("MINE", presetsNamed ("MINE ", 3));
        manager = std::make_unique<LibraryManagerComponent> (*session);
    }

    juce::ListBox& libraries() { return *findComponent<juce::ListBox> (*manager, "Libraries"); }
    juce::ListBox& presets() { return *findComponent<juce::ListBox> (*manager, "Presets"); }
    bool visible (const juce::String& button) { return findComponent<juce::Button> (*manager, button)->isVisible(); }

    std::unique_ptr<LibraryManagerComponent> manager;
};
} // namespace

TEST (LibraryManager, OpensOnTheCurrentLibraryAndClosesOnAChosenOne)
{
    ManagerRig rig;
    const auto mine = rig.libraries().getSelectedRow();
    ASSERT_GE (mine, 3);
    EXPECT_EQ (rig.presets().getModel()->getNumRows(), 3);
    EXPECT_TRUE (rig.visible ("Rename") && rig.visible ("Delete") && rig.visible ("Save") && rig.visible ("Send All"));
    EXPECT_FALSE (rig.visible ("Undo"));

    // A factory library: no rename, delete or save, but it can be sent.
    rig.libraries().selectRow (1);
    EXPECT_FALSE (rig.visible ("Rename") || rig.visible ("Delete") || rig.visible ("Save"));
    EXPECT_TRUE (rig.visible ("Send All"));

    // "ALL" holds every library's presets; it is neither sent nor chosen.
    rig.libraries().selectRow (0);
    EXPECT_EQ (rig.presets().getModel()->getNumRows(), 3);
    EXPECT_FALSE (rig.visible ("Send All"));
    EXPECT_FALSE (rig.manager->tryToClose());
    EXPECT_EQ (rig.dialogs.ofKind ("notice").back().message, "You must select a Presets Library first to close this view");

    // "New", then close on it: the main window shows it.
    rig.dialogs.texts.push_back (juce::String ("Fresh/Sounds"));
    rig.manager->newLibrary();
    EXPECT_EQ (rig.dialogs.ofKind ("prompt").back().initialText, "NEW LIBRARY 1");
    EXPECT_TRUE (rig.manager->tryToClose());
    EXPECT_EQ (rig.session->getLibrary().getName(), "Fresh_Sounds");
    EXPECT_EQ (rig.settings.currentLibraryName, "Fresh_Sounds");
}

TEST (LibraryManager, MergesByDropUndoesAndSendsALibraryToTheInstrument)
{
    ManagerRig rig;
    const auto mine = rig.libraries().getSelectedRow();

    // "ALL" dragged onto MINE, answered YES; then undone.
    rig.dialogs.confirmations.push_back (true);
    rig.manager->handleListDrop (*findComponent<BXLibraryManagerListBox> (*rig.manager, "Libraries"), 0, *findComponent<BXLibraryManagerListBox> (*rig.manager, "Libraries"), mine);
    const auto merged = BXVandoriumLibrary (rig.settings.libraryFolder + "MINE.vandorium", false).presets.size();
    EXPECT_EQ (merged, 6u);
    EXPECT_TRUE (rig.visible ("Undo"));

    rig.dialogs.confirmations.push_back (true);
    rig.manager->undoLastDrop();
    EXPECT_EQ (BXVandoriumLibrary (rig.settings.libraryFolder + "MINE.vandorium", false).presets.size(), 3u);
    EXPECT_FALSE (rig.visible ("Undo"));

    // "Send All": the instrument holds the library in its first slots.
    rig.dialogs.confirmations.push_back (true);
    rig.manager->sendAll();
    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").back().message.endsWith ("(3 presets)"));
    ASSERT_TRUE (rig.instrument.waitUntilIdle());
    EXPECT_EQ (rig.instrument.getBank()[2].name, "MINE 3");
}

TEST (LibraryManager, SelectingAPresetPlaysItsOwnSound)
{
    ManagerRig rig;
    rig.takeReceived();

    rig.presets().selectRow (1);
    const auto received = rig.takeReceived();
    EXPECT_EQ (EditorTestRig::nameSentIn (received), "MINE 2");
    EXPECT_FALSE (EditorTestRig::controllersIn (received).empty());
    EXPECT_EQ (rig.preset().name, "NEW PRESET"); // the editor's own preset is untouched
}
