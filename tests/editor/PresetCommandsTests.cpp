#include "model/BankDump.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

namespace
{
struct CommandsRig : EditorTestRig
{
    explicit CommandsRig (int librarySize)
    {
        useLibrary ("MINE", presetsNamed ("SOUND ", librarySize));
        session->getEditedPreset().name = "LEAD";
    }

    PresetCommands& commands() { return session->getCommands(); }
    const BXVandoriumLibrary& library() { return session->getLibrary(); }

    BXVandoriumLibrary libraryOnDisk() { return BXVandoriumLibrary (settings.libraryFolder + "MINE.vandorium", false); }
};
} // namespace

TEST (PresetCommands, ParsesTheTypedNumberAndName)
{
    const struct
    {
        const char* typed;
        int number;
        const char* name;
    } cases[] = {
        { "13 LEAD", 13, "LEAD" },
        { "5 warm pad", 5, "WARM PAD" },
        { "5abc", 5, "ABC" },
        { " 12 x", 0, "12 X" },
        { "0 zero", 0, "ZERO" },
        { "just a name", 0, "JUST A NAME" },
        { "7   spaced out  ", 7, "SPACED OUT" },
        { "3 a name that is far too long", 3, "A NAME THAT I" },
        { "99999999999999999999 big", std::numeric_limits<int>::max(), "BIG" },
        { "", 0, "" },
    };

    for (const auto& c : cases)
    {
        const auto typed = PresetCommands::parseTypedName (c.typed);
        EXPECT_EQ (typed.number, c.number) << c.typed;
        EXPECT_EQ (typed.name, c.name) << c.typed;
    }
}

TEST (PresetCommands, SaveProposesTheNextNumberAndAppends)
{
    CommandsRig rig (12);
    rig.dialogs.texts.push_back (juce::String ("13 LEAD"));
    rig.commands().savePresetToLibrary (rig.preset());

    const auto prompt = rig.dialogs.ofKind ("prompt");
    ASSERT_EQ (prompt.size(), 1u);
    EXPECT_EQ (prompt[0].title, "Save a preset");
    EXPECT_EQ (prompt[0].message, "Preset name");
    EXPECT_EQ (prompt[0].initialText, "13 LEAD");
    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").empty());

    ASSERT_EQ (rig.library().presets.size(), 13u);
    EXPECT_EQ (rig.libraryOnDisk().presets.size(), 13u);
    EXPECT_EQ (rig.libraryList().getSelectedRow(), 12);
    EXPECT_EQ (rig.nameDisplay().getText(), "LEAD");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "LEAD");

    // Past the end, or 0: appended under the typed name.
    for (const auto* typed : { "40 far away", "0 zero", " 5 spaced" })
    {
        rig.dialogs.texts.push_back (juce::String (typed));
        rig.commands().savePresetToLibrary (rig.preset());
    }

    ASSERT_EQ (rig.library().presets.size(), 16u);
    EXPECT_EQ (rig.library().presets[13].name, "FAR AWAY");
    EXPECT_EQ (rig.library().presets[14].name, "ZERO");
    EXPECT_EQ (rig.library().presets[15].name, "5 SPACED");

    // Cancel changes nothing.
    rig.dialogs.texts.push_back (std::nullopt);
    rig.commands().savePresetToLibrary (rig.preset());
    EXPECT_EQ (rig.library().presets.size(), 16u);

    // An empty library proposes 01.
    CommandsRig empty (0);
    empty.commands().savePresetToLibrary (empty.preset());
    EXPECT_EQ (empty.dialogs.ofKind ("prompt")[0].initialText, "01 LEAD");
}

TEST (PresetCommands, SaveOverANumberAsksFirst)
{
    for (const auto* typed : { "5 warm pad", "5warm pad" })
    {
        CommandsRig rig (12);
        rig.session->getEditedPreset().scanRate = 4321;

        rig.dialogs.texts.push_back (juce::String (typed));
        rig.dialogs.confirmations.push_back (false);
        rig.commands().savePresetToLibrary (rig.preset());
        ASSERT_EQ (rig.dialogs.ofKind ("confirm").size(), 1u);
        EXPECT_EQ (rig.dialogs.ofKind ("confirm")[0].message, "Are you sure to replace the preset\n'SOUND 5'\nwith the preset\n'WARM PAD");
        EXPECT_EQ (rig.library().presets[4].name, "SOUND 5");

        rig.dialogs.texts.push_back (juce::String (typed));
        rig.dialogs.confirmations.push_back (true);
        rig.commands().savePresetToLibrary (rig.preset());
        EXPECT_EQ (rig.library().presets.size(), 12u);
        EXPECT_EQ (rig.library().presets[4].name, "WARM PAD");
        EXPECT_EQ (rig.libraryOnDisk().presets[4].scanRate, 4321);
        EXPECT_EQ (rig.libraryList().getSelectedRow(), 4);
        EXPECT_EQ (rig.nameDisplay().getText(), "WARM PAD");
    }

    // Replacing the row already selected still shows the new name.
    CommandsRig rig (6);
    rig.libraryList().selectRow (2);
    rig.takeReceived();
    rig.dialogs.texts.push_back (juce::String ("3 renamed"));
    rig.dialogs.confirmations.push_back (true);
    rig.commands().savePresetToLibrary (rig.preset());
    EXPECT_EQ (rig.nameDisplay().getText(), "RENAMED");
    EXPECT_EQ (EditorTestRig::nameSentIn (rig.takeReceived()), "RENAMED");
}

TEST (PresetCommands, DeleteAsksAndRefuses)
{
    CommandsRig rig (120);
    rig.commands().deleteSelectedPreset();
    ASSERT_EQ (rig.dialogs.ofKind ("notice").size(), 1u);
    EXPECT_EQ (rig.dialogs.ofKind ("notice")[0].title, "Error");
    EXPECT_EQ (rig.dialogs.ofKind ("notice")[0].message, "You must select a library preset first");

    rig.libraryList().selectRow (6);
    rig.dialogs.confirmations = { false, true };
    rig.commands().deleteSelectedPreset();
    EXPECT_EQ (rig.dialogs.ofKind ("confirm")[0].message, "Are you sure to delete the preset\n'007 SOUND 7' ?");
    EXPECT_EQ (rig.library().presets.size(), 120u);

    const auto current = rig.preset();
    rig.takeReceived();
    rig.commands().deleteSelectedPreset();
    EXPECT_EQ (rig.library().presets.size(), 119u);
    EXPECT_EQ (rig.libraryOnDisk().presets.size(), 119u);
    EXPECT_EQ (rig.library().presets[6].name, "SOUND 8");
    EXPECT_EQ (rig.libraryList().getSelectedRow(), -1);
    EXPECT_EQ (rig.preset(), current);
    EXPECT_TRUE (rig.takeReceived().empty());

    CommandsRig empty (0);
    empty.commands().deleteSelectedPreset();
    EXPECT_EQ (empty.dialogs.ofKind ("notice")[0].title, "Information");
    EXPECT_EQ (empty.dialogs.ofKind ("notice")[0].message, "Nothing to delete...");
}

TEST (PresetCommands, FactoryLibrariesAreNeverChanged)
{
    CommandsRig rig (0);
    const auto path = rig.temp.resources().getChildFile ("EDITOR FACTORY.vandorium").getFullPathName();
    BXVandoriumLibrary written (path, false);
    written.presets = EditorTestRig::presetsNamed ("FACTORY ", 3);
    ASSERT_TRUE (written.save());
    BXVandoriumLibrary factory (path, true);
    EXPECT_FALSE (factory.save()); // the library object itself refuses
    const auto before = juce::File (factory.getFilePath()).loadFileAsString();
    rig.session->setCurrentLibrary (factory);

    rig.commands().savePresetToLibrary (rig.preset());
    rig.libraryList().selectRow (1);
    rig.commands().deleteSelectedPreset();

    const auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 2u);
    EXPECT_EQ (notices[0].message, "You can't save a preset to a factory library");
    EXPECT_EQ (notices[1].message, "You can't delete a preset from a factory library");
    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").empty());
    EXPECT_EQ (rig.session->getLibrary().presets.size(), 3u);
    EXPECT_EQ (juce::File (factory.getFilePath()).loadFileAsString(), before);
}

TEST (PresetCommands, AFailedWriteIsReportedAndTheEditorKeepsThePreset)
{
    CommandsRig rig (2);
    const juce::File file (rig.settings.libraryFolder + "MINE.vandorium");
    file.deleteFile();
    file.createDirectory(); // nothing can replace a folder

    rig.dialogs.texts.push_back (juce::String ("3 KEPT"));
    rig.commands().savePresetToLibrary (rig.preset());

    const auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 1u);
    EXPECT_EQ (notices[0].title, "Error");
    EXPECT_TRUE (notices[0].message.contains (file.getFullPathName()));
    EXPECT_EQ (rig.library().presets.size(), 3u);
}

TEST (PresetCommands, QuickSaveStoresIntoTheSelectedSlot)
{
    CommandsRig rig (1);
    rig.commands().quickSavePreset();
    EXPECT_EQ (rig.dialogs.ofKind ("notice")[0].message, "You must select a Vandorium preset first");

    rig.deviceList().selectRow (0);
    rig.nameDisplay().setText ("my sound", juce::sendNotificationSync); // the name reaches the instrument
    rig.takeReceived();
    rig.dialogs.confirmations = { false, true };
    rig.commands().quickSavePreset();
    EXPECT_EQ (rig.dialogs.ofKind ("confirm")[0].message,
               "Are you sure to replace preset\n'01 PRESET 1'\nwith the current preset\n'MY SOUND'");
    EXPECT_TRUE (rig.takeReceived().empty());

    rig.commands().quickSavePreset();
    const auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_EQ (received[0].getControllerNumber(), 119);
    EXPECT_EQ (rig.session->getLink().deviceLibrary.presets[0].name, "MY SOUND");
    EXPECT_EQ (rig.instrument.getBank()[0].name, "MY SOUND");
}

TEST (PresetCommands, DropsBetweenTheLists)
{
    CommandsRig rig (3);
    auto& main = *rig.main;
    auto& bank = rig.session->getLink().deviceLibrary;
    bank.presets[4].name = "BASS";
    rig.useLibrary ("MINE", { BXVandoriumPreset() });

    // Onto the same list, and below the last slot: nothing, not even a question.
    main.presetDropped (rig.deviceList(), 2, rig.deviceList(), 3);
    main.presetDropped (rig.libraryList(), 0, rig.deviceList(), -1);
    EXPECT_TRUE (rig.dialogs.boxes.empty());

    // Library preset onto slot 5: NO leaves everything as it was.
    rig.dialogs.confirmations = { false };
    main.presetDropped (rig.libraryList(), 0, rig.deviceList(), 4);
    ASSERT_EQ (rig.dialogs.ofKind ("confirm").size(), 1u);
    EXPECT_EQ (rig.dialogs.ofKind ("confirm")[0].message,
               "Are you sure to replace the preset\n'05 BASS'\nwith the preset\n'NEW PRESET' ?");
    EXPECT_TRUE (rig.takeReceived().empty());
    EXPECT_EQ (bank.presets[4].name, "BASS");

    // YES: program change, pause, the preset played in, pause, store.
    rig.session->getEditedPreset().volume = 10;
    rig.dialogs.confirmations = { true };
    main.presetDropped (rig.libraryList(), 0, rig.deviceList(), 4);
    const auto received = rig.takeReceived();
    ASSERT_GE (received.size(), 3u);
    EXPECT_TRUE (received.front().isProgramChange());
    EXPECT_EQ (received.front().getProgramChangeNumber(), 4);
    EXPECT_EQ (EditorTestRig::nameSentIn (received), "NEW PRESET");
    EXPECT_EQ (received.back().getControllerNumber(), 119);
    EXPECT_EQ (rig.dialogs.waits, (std::vector<int> { 500, 500 }));
    EXPECT_EQ (bank.presets[4].name, "NEW PRESET");
    EXPECT_EQ (rig.instrument.getBank()[4].name, "NEW PRESET");
    EXPECT_EQ (rig.instrument.getBank()[4].volume, 60);

    // Instrument preset onto the library: the save command with that preset.
    rig.dialogs.texts.push_back (std::nullopt);
    main.presetDropped (rig.deviceList(), 7, rig.libraryList(), 0);
    EXPECT_EQ (rig.dialogs.ofKind ("prompt").back().initialText, "02 PRESET 8");
}
