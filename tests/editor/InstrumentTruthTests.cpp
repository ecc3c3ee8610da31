// What the editor shows is what the instrument holds: each test drives the
// editor as a user would and then looks at the simulated instrument itself.

#include "model/EffectTable.h"
#include "model/ParameterTable.h"
#include "support/EditorTestRig.h"

#include <gtest/gtest.h>

namespace
{
BXVandoriumPreset distinctivePreset()
{
    BXVandoriumPreset p;
    p.name = "DROPPED";
    p.volume = 99;
    p.scale = 5;
    p.waveform = 4;
    p.scanRate = 5000;
    p.scanAmount = 3000;
    p.filterType = 3;
    p.filterCutoff = 33;
    p.filterResonance = 77;
    p.effect = 2;
    p.delayTime = 4000;
    p.delayFeedback = 9000;
    p.effectMix = 50;
    p.volumeVolume = 2000;
    p.transpose = 70;
    return p;
}

void tickSeconds (EditorTestRig& rig, int seconds)
{
    for (int i = 0; i < seconds * 5; ++i)
        rig.session->timerTick();
}
} // namespace

TEST (InstrumentTruth, ALibraryPresetDroppedOnASlotIsStoredWithItsSound)
{
    EditorTestRig rig;
    const auto dropped = distinctivePreset();
    rig.useLibrary ("MINE", { dropped });

    // Starting the drag selects the row: the editor already plays the preset.
    rig.libraryList().selectRow (0);
    rig.takeReceived();

    rig.dialogs.confirmations.push_back (true);
    rig.main->presetDropped (rig.libraryList(), 0, rig.deviceList(), 4);
    ASSERT_TRUE (rig.instrument.waitUntilIdle());

    const auto stored = rig.instrument.getBank()[4];
    EXPECT_EQ (stored, dropped) << "the instrument stored " << stored.name << " with another sound";

    // The slot the instrument is on is the highlighted one, so Quick Save
    // names it and stores there.
    EXPECT_EQ (rig.deviceList().getSelectedRow(), 4);
    rig.dialogs.confirmations.push_back (true);
    rig.session->renamePreset ("quick");
    rig.session->getCommands().quickSavePreset();
    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").back().message.contains ("'05 DROPPED'"));
    ASSERT_TRUE (rig.instrument.waitUntilIdle());
    EXPECT_EQ (rig.instrument.getBank()[4].name, "QUICK");

    // And the next Sync brings back what the instrument really holds.
    rig.click ("Sync");
    ASSERT_TRUE (rig.waitForSyncToFinish());
    EXPECT_EQ (rig.session->getBank().presets[4].name, "QUICK");
    EXPECT_EQ (rig.session->getBank().presets[4].filterCutoff, dropped.filterCutoff);
}

TEST (InstrumentTruth, SwitchingTheLibraryClearsTheOldSelection)
{
    EditorTestRig rig;
    rig.useLibrary ("FIRST", EditorTestRig::presetsNamed ("ONE ", 10));
    rig.libraryList().selectRow (7);
    rig.useLibrary ("SECOND", EditorTestRig::presetsNamed ("TWO ", 10));
    EXPECT_EQ (rig.libraryList().getSelectedRow(), -1);
}

TEST (InstrumentTruth, OutOfRangeValuesAreClampedToTheControlsRange)
{
    EditorTestRig rig;
    BXVandoriumPreset wild;
    wild.scale = 30;
    wild.waveform = 9;
    wild.filterType = 200;
    wild.effect = 7;
    wild.delayTime = 20000;
    rig.takeReceived();

    rig.session->loadPresetIntoEditor (wild, juce::sendNotificationSync);

    EXPECT_EQ (rig.preset().scale, 21);
    EXPECT_EQ (rig.preset().waveform, 6);
    EXPECT_EQ (rig.preset().filterType, 4);
    EXPECT_EQ (rig.preset().effect, EffectTable::presetEffect);
    EXPECT_EQ (rig.preset().delayTime, 13695);
    EXPECT_EQ (rig.list ("Scale").getText(), "5TH");

    for (const auto& m : EditorTestRig::controllersIn (rig.takeReceived()))
    {
        if (m.getControllerNumber() == 85) // scale
        {
            EXPECT_EQ (m.getControllerValue(), 21);
        }
    }
}

TEST (InstrumentTruth, AFailedWriteOfTheBankCopyIsToldOnce)
{
    EditorTestRig rig;
    rig.session->getLink().getCacheFile().createDirectory(); // a folder where the file goes

    BXVandoriumLibrary library;
    library.presets = EditorTestRig::presetsNamed ("NEW ", 3);
    rig.session->sendLibraryToDevice (library);

    const auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 1u);
    EXPECT_EQ (notices[0].title, "Error");
    EXPECT_TRUE (notices[0].message.contains ("devicePresets.syx"));
}

TEST (InstrumentTruth, TheNameDisplayShowsThirteenCharactersWhole)
{
    EditorTestRig rig;
    auto& display = rig.nameDisplay();
    const auto font = display.getFont();
    const auto available = (float) (display.getWidth() - display.getBorderSize().getLeftAndRight());

    // The framework squeezes a text down to the label's minimum scale before
    // it cuts it with "...": the widest thirteen characters must fit there.
    EXPECT_GT (display.getMinimumHorizontalScale(), 0.0f);
    EXPECT_LE (font.getStringWidthFloat ("WWWWWWWWWWWWW") * display.getMinimumHorizontalScale(), available);

    rig.nameDisplay().setText ("my warm lead 2", juce::sendNotificationSync);
    EXPECT_EQ (rig.preset().name, "MY WARM LEAD ");
    EXPECT_EQ (rig.nameDisplay().getText(), "MY WARM LEAD ");
}

TEST (InstrumentTruth, WithoutTheInstrumentNothingPretendsToReachIt)
{
    EditorTestRig rig;
    auto& status = rig.control<ConnectionStatus> ("Connection Status");
    EXPECT_EQ (status.getText(), "VANDORIUM CONNECTED");

    rig.instrument.unplug();
    tickSeconds (rig, 1);
    ASSERT_FALSE (rig.session->isDeviceConnected());
    EXPECT_EQ (status.getText(), "VANDORIUM NOT CONNECTED");
    rig.dialogs.boxes.clear();

    const auto bankBefore = rig.session->getBank().presets;
    const auto cache = rig.session->getLink().getCacheFile();

    // Sync, Quick Save, a drop on the instrument's list and a bank send are
    // refused at once, with a message, and change nothing.
    rig.click ("Sync");
    EXPECT_EQ (rig.session->getLink().getSyncState(), DeviceLink::SyncState::idle);

    rig.deviceList().selectRow (3);
    rig.session->getCommands().quickSavePreset();

    rig.useLibrary ("MINE", EditorTestRig::presetsNamed ("MINE ", 2));
    rig.main->presetDropped (rig.libraryList(), 0, rig.deviceList(), 5);

    BXVandoriumLibrary library;
    library.presets = EditorTestRig::presetsNamed ("NEW ", 3);
    rig.session->sendLibraryToDevice (library);

    const auto notices = rig.dialogs.ofKind ("notice");
    ASSERT_EQ (notices.size(), 4u);

    for (const auto& notice : notices)
    {
        EXPECT_EQ (notice.title, "Error");
        EXPECT_EQ (notice.message, EditorSession::notConnectedText);
    }

    EXPECT_TRUE (rig.dialogs.ofKind ("confirm").empty());
    EXPECT_EQ (rig.session->getBank().presets, bankBefore);
    EXPECT_FALSE (cache.exists());

    // Back again: the status says so, and a Sync shows "synchronising".
    rig.instrument.plugIn();
    tickSeconds (rig, 1);
    EXPECT_EQ (status.getText(), "VANDORIUM CONNECTED");
    rig.click ("Sync");
    EXPECT_EQ (status.getText(), "SYNCHRONISING WITH THE VANDORIUM");
    ASSERT_TRUE (rig.waitForSyncToFinish());
    EXPECT_EQ (status.getText(), "VANDORIUM CONNECTED");
}

TEST (InstrumentTruth, ThePresenceCheckListsThePortsOncePerSecond)
{
    EditorTestRig rig;
    const auto before = rig.backend.getInputListings();
    tickSeconds (rig, 3);
    EXPECT_EQ (rig.backend.getInputListings() - before, 3);
}
