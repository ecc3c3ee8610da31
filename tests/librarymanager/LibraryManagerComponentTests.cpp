// The library manager's window on a real session and simulated instrument,
// driven as a user would, with scripted dialogs.

#include "editor/FindComponent.h"
#include "librarymanager/LibraryManagerComponent.h"
#include "model/BankDumpFile.h"
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

TEST (LibraryManager, SearchShowsMatchingPresetsAndEveryOperationActsOnThePresetShown)
{
    ManagerRig rig;
    BXVandoriumLibrary other (rig.settings.libraryFolder + "OTHER.vandorium", false);

    other.presets.resize (4);

    for (auto [i, name] : { std::pair { 0, "AURORA PAD" }, { 1, "NORTH WIND" }, { 2, "AURORA BELL" }, { 3, "DEEP SPACE" } })
        other.presets[(size_t) i].name = name;

    ASSERT_TRUE (other.save());
    rig.manager = std::make_unique<LibraryManagerComponent> (*rig.session);
    const auto mine = rig.libraries().getSelectedRow();
    const auto mainRowsBefore = rig.libraryList().getModel()->getNumRows();

    // Across "ALL", ignoring case; rows keep their presets' own numbers.
    rig.libraries().selectRow (0);
    rig.manager->setSearchText ("rora");
    auto* model = dynamic_cast<PresetListBoxModel*> (rig.presets().getModel());
    ASSERT_NE (model, nullptr);
    ASSERT_EQ (model->getNumRows(), 2);
    EXPECT_TRUE (model->rowText (0).endsWith ("AURORA PAD"));
    EXPECT_TRUE (model->rowText (1).endsWith ("AURORA BELL"));
    EXPECT_FALSE (model->rowText (1).startsWith ("02")) << "the number is the preset's place in ALL, not the row's";

    // Preview: the second visible row plays AURORA BELL.
    rig.takeReceived();
    rig.presets().selectRow (1);
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "AURORA BELL");

    // Drag: the second visible row, dropped onto MINE, adds AURORA BELL there.
    juce::SparseSet<int> dragged;
    dragged.addRange ({ 1, 2 });
    const auto description = model->getDragSourceDescription (dragged);
    ASSERT_TRUE (description.isInt());
    auto& librariesBox = *findComponent<BXLibraryManagerListBox> (*rig.manager, "Libraries");
    auto& presetsBox = *findComponent<BXLibraryManagerListBox> (*rig.manager, "Presets");
    rig.dialogs.confirmations.push_back (true);
    rig.manager->handleListDrop (presetsBox, (int) description, librariesBox, mine);

    const auto mineFile = rig.settings.libraryFolder + "MINE.vandorium";
    auto merged = BXVandoriumLibrary (mineFile, false).presets;
    ASSERT_EQ (merged.size(), 4u);
    EXPECT_EQ (merged.back().name, "AURORA BELL");

    // The undo record names that preset and takes it back.
    rig.dialogs.confirmations.push_back (true);
    rig.manager->undoLastDrop();
    EXPECT_EQ (BXVandoriumLibrary (mineFile, false).presets.size(), 3u);

    // Another library keeps the search; Escape's empty text shows all again.
    rig.libraries().selectRow (mine);
    EXPECT_EQ (rig.manager->getSearchText(), "rora");
    EXPECT_EQ (rig.presets().getModel()->getNumRows(), 0);
    rig.manager->setSearchText ("mine 2");
    EXPECT_EQ (rig.presets().getModel()->getNumRows(), 1);
    rig.manager->setSearchText ({});
    EXPECT_EQ (rig.presets().getModel()->getNumRows(), 3);

    EXPECT_EQ (rig.libraryList().getModel()->getNumRows(), mainRowsBefore) << "the main window's list is never filtered";
}

TEST (LibraryManager, SendAllSendsTheBytesOfTheExportedBankFile)
{
    ManagerRig rig;
    rig.useLibrary ("BIG", EditorTestRig::presetsNamed ("BIG ", 33));
    rig.manager = std::make_unique<LibraryManagerComponent> (*rig.session);
    const auto big = rig.libraries().getSelectedRow();

    // A bank holds 32 presets: saving 33 asks first, and "NO" writes nothing.
    const auto exported = rig.temp.getRoot().getChildFile ("big.syx");
    rig.dialogs.files.push_back (exported);
    rig.dialogs.confirmations.push_back (false);
    rig.manager->exportLibrary();
    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").back().message.contains ("only the first 32 of the 33 presets"));
    EXPECT_FALSE (exported.exists());

    rig.dialogs.files.push_back (exported);
    rig.dialogs.confirmations.push_back (true);
    rig.manager->exportLibrary();
    juce::MemoryBlock fileBytes;
    ASSERT_TRUE (exported.loadFileAsData (fileBytes));
    ASSERT_EQ (fileBytes.getSize(), (size_t) BankDump::payloadSize + 2);

    rig.takeReceived();
    rig.libraries().selectRow (big);
    rig.takeReceived();
    rig.dialogs.confirmations.push_back (true);
    rig.manager->sendAll();

    std::vector<juce::MemoryBlock> dumps;

    for (const auto& m : rig.takeReceived())
        if (m.isSysEx() && m.getRawDataSize() > 1000)
            dumps.emplace_back (m.getRawData(), (size_t) m.getRawDataSize());

    ASSERT_EQ (dumps.size(), 1u);
    EXPECT_TRUE (dumps[0] == fileBytes);
    EXPECT_EQ (rig.instrument.getBank(), BankDumpFile::read (exported).presets);
}
