// The session turns what the device link reports into what the user sees,
// and orchestrates the editor around a bank sent to the instrument.

#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

#include <map>

TEST (EditorSession, TimeOutsAndConnectionChangesReachTheUserAsNotices)
{
    EditorTestRig rig;
    rig.instrument.setSilent (true);
    rig.session->advanceSync();

    for (int i = 0; i < 50; ++i)
        rig.session->timerTick();

    auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 1u);
    EXPECT_EQ (notices[0].title, "Sync Error");
    EXPECT_EQ (notices[0].message, "Timeout (error : 2)");
    EXPECT_TRUE (rig.button ("Sync").isVisible());

    rig.instrument.setSilent (false);
    rig.instrument.unplug();

    for (int i = 0; i < 5; ++i)
        rig.session->timerTick();

    rig.instrument.plugIn();

    for (int i = 0; i < 5; ++i)
        rig.session->timerTick();

    notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 3u);
    EXPECT_EQ (notices[1].title, "ALERT !");
    EXPECT_EQ (notices[1].message, EditorSession::connectionLostText);
    EXPECT_EQ (notices[2].message, EditorSession::connectedText);
}

TEST (EditorSession, ABankSentToTheInstrumentPlaysTheSelectedSlot)
{
    EditorTestRig rig;
    rig.useLibrary ("MINE", EditorTestRig::presetsNamed ("MINE ", 2));
    rig.libraryList().selectRow (1);
    rig.deviceList().selectRow (2);
    rig.libraryList().selectRow (0);
    rig.takeReceived();

    BXVandoriumLibrary library;
    library.presets = EditorTestRig::presetsNamed ("NEW ", 5);
    rig.session->sendLibraryToDevice (library);

    // The bank goes out, the instrument gets a moment, then the selected
    // slot shows its new sound without sending it and is selected there.
    EXPECT_EQ (rig.dialogs.waits, std::vector<int> { EditorSession::postSendWaitMs });
    EXPECT_EQ (rig.preset().name, "NEW 3");
    EXPECT_EQ (rig.nameDisplay().getText(), "NEW 3");
    EXPECT_EQ (rig.libraryList().getSelectedRow(), -1);
    EXPECT_EQ (rig.deviceList().getSelectedRow(), 2);

    const auto received = rig.takeReceived();
    ASSERT_EQ (received.size(), 2u);
    EXPECT_TRUE (received[0].isSysEx());
    EXPECT_TRUE (received[1].isProgramChange());
    EXPECT_EQ (received[1].getProgramChangeNumber(), 2);
    EXPECT_EQ (rig.instrument.getBank()[2].name, "NEW 3");
}

TEST (EditorSession, APreviewPlaysThePresetsOwnSoundWithoutMakingItTheEditors)
{
    EditorTestRig rig;
    const auto before = rig.preset();
    rig.takeReceived();

    BXVandoriumPreset preview;
    preview.name = "HEARD";
    preview.filterCutoff = 33;
    preview.transpose = 70;
    rig.session->previewPreset (preview);

    const auto received = rig.takeReceived();
    EXPECT_EQ (EditorTestRig::nameSentIn (received), "HEARD");

    // The preset's own values, not the views' (cutoff 127, transpose 64).
    std::map<int, int> controllers;

    for (const auto& m : EditorTestRig::controllersIn (received))
        controllers[m.getControllerNumber()] = m.getControllerValue();

    EXPECT_EQ (controllers[74], 33);
    EXPECT_EQ (controllers[102], 70);
    EXPECT_EQ (rig.preset(), before);
    EXPECT_EQ (rig.nameDisplay().getText(), "NEW PRESET");
}
