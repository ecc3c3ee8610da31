#include "device/ControllerMap.h"
#include "device/DeviceMessages.h"
#include "model/BankDump.h"
#include "support/DeviceTestRig.h"

#include <gtest/gtest.h>

namespace
{
std::vector<BXVandoriumPreset> namedPresets (const juce::String& prefix, int count)
{
    std::vector<BXVandoriumPreset> presets;

    for (int i = 0; i < count; ++i)
    {
        BXVandoriumPreset preset;
        preset.name = prefix + juce::String (i + 1);
        preset.delayTime = (juce::uint16) (i * 10);
        presets.push_back (preset);
    }

    return presets;
}

std::vector<juce::String> namesOf (const std::vector<BXVandoriumPreset>& presets)
{
    std::vector<juce::String> names;

    for (const auto& p : presets)
        names.push_back (p.name);

    return names;
}
} // namespace

TEST (Sync, FullSyncReplacesTheBankAndWritesTheCache)
{
    DeviceTestRig rig;
    rig.connect();
    rig.instrument.setBank (namedPresets ("BANK ", 32));
    rig.instrument.setRevision (0x00, 0x00, 0x3f, 0x07);

    ASSERT_TRUE (rig.syncAndWait());

    using State = DeviceLink::SyncState;
    // Released at connection, then the three requests and back.
    EXPECT_EQ (rig.events.getStates(), (std::vector<State> { State::idle, State::identityRequested, State::presetRequested, State::bankRequested, State::idle }));
    EXPECT_EQ (namesOf (rig.link.deviceLibrary.presets), namesOf (rig.instrument.getBank()));
    EXPECT_EQ (rig.link.deviceLibrary.presets, rig.instrument.getBank());
    EXPECT_TRUE (rig.link.deviceLibrary.isVirtual);
    EXPECT_EQ (rig.events.getBankChanges(), std::vector<DeviceLink::BankChange> { DeviceLink::BankChange::synchronised });
    EXPECT_EQ (rig.settings.firmwareVersion, "v1.0.7");
    EXPECT_TRUE (rig.events.getTimeouts().empty());

    juce::MemoryBlock cache;
    ASSERT_TRUE (rig.link.getCacheFile().loadFileAsData (cache));
    ASSERT_EQ (cache.getSize(), 6646u);
    EXPECT_EQ ((juce::uint8) cache[0], 0x04);
    EXPECT_EQ ((juce::uint8) cache[1], 0x0b);
    EXPECT_EQ ((juce::uint8) cache[2], 0x01);
    EXPECT_EQ ((juce::uint8) cache[3], 0x01);

    // The three requests, in order.
    const auto received = rig.instrument.getReceived();
    ASSERT_EQ (received.size(), 3u);
    EXPECT_TRUE (received[0].isSysEx() && received[0].getSysExData()[0] == 0x7e);
    EXPECT_EQ (received[1].getSysExData()[3], 0x00);
    EXPECT_EQ (received[2].getSysExData()[3], 0x03);

    // A new editor starts with the cached bank, without any MIDI traffic.
    rig.instrument.clearReceived();
    DeviceLink restarted (rig.ports, rig.settings);
    restarted.loadStartUpBank();
    EXPECT_EQ (namesOf (restarted.deviceLibrary.presets), namesOf (rig.instrument.getBank()));
    EXPECT_TRUE (rig.instrument.getReceived().empty());
}

TEST (Sync, StartUpBankWithoutUsableCacheIsNumberedDefaults)
{
    DeviceTestRig rig;
    ASSERT_EQ (rig.link.deviceLibrary.presets.size(), 32u);
    EXPECT_EQ (rig.link.deviceLibrary.presets[0].name, "PRESET 1");
    EXPECT_EQ (rig.link.deviceLibrary.presets[31].name, "PRESET 32");

    // A truncated cache file gives the default bank, not a partial one.
    const auto payload = encodeBankDump (namedPresets ("CACHED ", 32));
    ASSERT_TRUE (rig.link.getCacheFile().replaceWithData (payload.getData(), 3000));
    rig.link.loadStartUpBank();
    EXPECT_EQ (rig.link.deviceLibrary.presets.size(), 32u);
    EXPECT_EQ (rig.link.deviceLibrary.presets[0].name, "PRESET 1");

    ASSERT_TRUE (rig.link.getCacheFile().replaceWithData (payload.getData(), payload.getSize()));
    rig.link.loadStartUpBank();
    EXPECT_EQ (rig.link.deviceLibrary.presets[0].name, "CACHED 1");
}

TEST (Sync, MissingRepliesTimeOutInTheirState)
{
    const struct
    {
        const char* description;
        std::function<void (SimulatedInstrument&)> arrange;
        DeviceLink::SyncState stateReached;
    } cases[] = {
        { "silent instrument", [] (SimulatedInstrument& i)
          { i.setSilent (true); },
          DeviceLink::SyncState::identityRequested },
        { "answers the identity request only", [] (SimulatedInstrument& i)
          { i.setAnswerLimit (1); },
          DeviceLink::SyncState::presetRequested },
        { "no bank dump", [] (SimulatedInstrument& i)
          { i.setAnswerLimit (2); },
          DeviceLink::SyncState::bankRequested },
        { "short bank dump", [] (SimulatedInstrument& i)
          { i.setBankDumpFault (SimulatedInstrument::BankDumpFault::shortDump); },
          DeviceLink::SyncState::bankRequested },
        { "garbled bank dump", [] (SimulatedInstrument& i)
          { i.setBankDumpFault (SimulatedInstrument::BankDumpFault::garbled); },
          DeviceLink::SyncState::bankRequested },
    };

    for (const auto& c : cases)
    {
        DeviceTestRig rig;
        rig.connect();
        c.arrange (rig.instrument);
        const auto bankBefore = rig.link.deviceLibrary.presets;

        rig.link.advanceSync();
        ASSERT_TRUE (pumpUntil ([&]
                                { return rig.link.getSyncState() == c.stateReached && rig.instrument.isIdle(); }))
            << c.description;
        pumpUntil ([]
                   { return false; },
                   20); // a late reply would arrive now

        rig.tick (49);
        EXPECT_TRUE (rig.events.getTimeouts().empty()) << c.description;
        EXPECT_EQ (rig.link.getSyncState(), c.stateReached) << c.description;

        rig.tick (1);
        EXPECT_EQ (rig.events.getTimeouts(), std::vector<DeviceLink::SyncState> { c.stateReached }) << c.description;
        EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::idle);
        EXPECT_EQ (rig.events.getStates().back(), DeviceLink::SyncState::idle);
        EXPECT_EQ (rig.link.deviceLibrary.presets, bankBefore) << c.description;
        EXPECT_FALSE (rig.link.getCacheFile().exists()) << c.description;
    }
}

TEST (Sync, RepliesInTheWrongStateAreIgnored)
{
    DeviceTestRig rig;
    rig.connect();
    rig.instrument.setSilent (true);

    const auto identity = DeviceMessages::identityReply ({ 0, 1, 1, 0 });
    const auto bank = DeviceMessages::bankDumpMessage (encodeBankDump (namedPresets ("STRAY ", 32)));
    const auto presetDump = DeviceMessages::presetDumpMessage ({});

    // While idle nothing is taken.
    rig.link.handleIncomingMidiMessage (nullptr, identity);
    rig.link.handleIncomingMidiMessage (nullptr, bank);
    EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::idle);
    EXPECT_EQ (rig.link.deviceLibrary.presets[0].name, "PRESET 1");
    EXPECT_TRUE (rig.settings.firmwareVersion.isEmpty());

    // A preset dump before the Identity Reply does not move on, and the
    // time-out still counts from the Identity Request.
    rig.link.advanceSync();
    rig.tick (25);
    rig.link.handleIncomingMidiMessage (nullptr, presetDump);
    rig.link.handleIncomingMidiMessage (nullptr, bank);
    EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::identityRequested);
    rig.tick (25);
    EXPECT_EQ (rig.events.getTimeouts(), std::vector<DeviceLink::SyncState> { DeviceLink::SyncState::identityRequested });

    // Non-SysEx input never matters.
    rig.link.advanceSync();
    rig.link.handleIncomingMidiMessage (nullptr, juce::MidiMessage::controllerEvent (1, 7, 100));
    EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::identityRequested);
}

TEST (Sync, ConnectionMonitorAnnouncesLossAndReturnOnce)
{
    DeviceTestRig rig;
    rig.connect();

    rig.tick (10);
    EXPECT_TRUE (rig.events.getConnections().empty());

    rig.instrument.unplug();
    rig.tick (4);
    EXPECT_TRUE (rig.events.getConnections().empty()); // checked once a second
    rig.tick (1);
    EXPECT_EQ (rig.events.getConnections(), std::vector<bool> { false });
    EXPECT_FALSE (rig.ports.deviceConnected);
    EXPECT_EQ (rig.ports.getNumOpenInputs() + rig.ports.getNumOpenOutputs(), 0);
    EXPECT_EQ (rig.link.deviceLibrary.presets.size(), 32u);

    rig.tick (20);
    EXPECT_EQ (rig.events.getConnections().size(), 1u);

    rig.instrument.plugIn();
    rig.tick (5);
    EXPECT_EQ (rig.events.getConnections(), (std::vector<bool> { false, true }));
    EXPECT_TRUE (rig.ports.deviceConnected);
    rig.tick (20);
    EXPECT_EQ (rig.events.getConnections().size(), 2u);

    // No check before start-up has released the monitor.
    DeviceTestRig starting;
    starting.tick (20);
    EXPECT_TRUE (starting.events.getConnections().empty());
    EXPECT_EQ (starting.ports.getNumOpenInputs(), 0);
}

TEST (Sync, SendingALibraryReplacesTheBank)
{
    for (const int size : { 5, 40 })
    {
        DeviceTestRig rig;
        rig.connect();
        rig.link.deviceLibrary.presets = namedPresets ("OLD ", 32);

        BXVandoriumLibrary library;
        library.presets = namedPresets ("NEW ", size);
        rig.link.sendLibraryToDevice (library);
        ASSERT_TRUE (rig.instrument.waitUntilIdle());

        const auto bank = rig.instrument.getBank();
        ASSERT_EQ (bank.size(), 32u);
        EXPECT_EQ (bank[4].name, "NEW 5");
        EXPECT_EQ (bank[5].name, size == 5 ? "OLD 6" : "NEW 6");
        EXPECT_EQ (bank[31].name, size == 5 ? "OLD 32" : "NEW 32");
        EXPECT_EQ (rig.link.deviceLibrary.presets, bank);
        EXPECT_EQ (rig.events.getBankChanges(), std::vector<DeviceLink::BankChange> { DeviceLink::BankChange::sent });

        juce::MemoryBlock cache;
        rig.link.getCacheFile().loadFileAsData (cache);
        EXPECT_EQ (cache.getSize(), 6646u);
        EXPECT_EQ (rig.instrument.getReceived().size(), 1u); // the bank dump alone
    }
}

TEST (Sync, ReplacingAPresetSendsOnlyTheStoreRequest)
{
    DeviceTestRig rig;
    rig.connect();

    BXVandoriumPreset preset;
    preset.name = "REPLACED";
    rig.link.replaceDevicePreset (preset, 2);
    ASSERT_TRUE (rig.instrument.waitUntilIdle());

    const auto received = rig.instrument.getReceived();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_TRUE (received[0].isController());
    EXPECT_EQ (received[0].getControllerNumber(), 119);
    EXPECT_EQ (received[0].getControllerValue(), 127);
    EXPECT_EQ (rig.link.deviceLibrary.presets[2].name, "REPLACED");
    EXPECT_EQ (rig.events.getSlotChanges(), std::vector<int> { 2 });

    juce::MemoryBlock cache;
    rig.link.getCacheFile().loadFileAsData (cache);
    const auto cached = decodeBankDump (cache);
    ASSERT_TRUE (cached.has_value());
    EXPECT_EQ (cached->presets[2].name, "REPLACED");

    rig.link.replaceDevicePreset (preset, 32); // no such slot
    EXPECT_EQ (rig.instrument.getReceived().size(), 1u);
}

TEST (Sync, EditsStoredOnTheInstrumentComeBackWithTheNextSync)
{
    DeviceTestRig rig;
    rig.connect();
    auto& sender = rig.link.getSender();

    sender.sendPackedMessage (0xc0, 4); // select slot 5
    sender.sendPackedMessage (ControllerMap::descriptorFor ("Filter Cutoff"), 64);
    sender.sendPackedMessage (ControllerMap::descriptorFor ("Scan Rate"), 8000);
    sender.sendPackedMessage (ControllerMap::descriptorFor ("Transpose"), 70);
    sender.sendPackedMessage (ControllerMap::descriptorFor ("Volume Volume"), 2048);
    sender.sendPresetName ("EDITED");
    sender.setSelectedSlotSource ([]
                                  { return 4; });
    sender.sendEffectName ("LONG DELAY");

    BXVandoriumPreset edited = rig.link.deviceLibrary.presets[4];
    edited.name = "EDITED";
    rig.link.replaceDevicePreset (edited, 4);

    ASSERT_TRUE (rig.syncAndWait());
    const auto& slot = rig.link.deviceLibrary.presets[4];
    EXPECT_EQ (slot.name, "EDITED");
    EXPECT_EQ (slot.filterCutoff, 64);
    EXPECT_EQ (slot.scanRate, 8000);
    EXPECT_EQ (slot.transpose, 70);
    EXPECT_EQ (slot.volumeVolume, 2048);
    EXPECT_EQ (slot.effect, 3);
    EXPECT_EQ (rig.link.deviceLibrary.presets[3], rig.instrument.getBank()[3]);
}

TEST (SyncThreaded, ManySyncsWithTheInstrumentOnItsOwnThread)
{
    DeviceTestRig rig;
    rig.connect();

    for (int run = 0; run < 40; ++run)
    {
        rig.instrument.setBank (namedPresets ("RUN " + juce::String (run) + " ", 32));
        rig.instrument.setReplyDelayMs (run % 3);
        ASSERT_TRUE (rig.syncAndWait()) << "run " << run;
        EXPECT_EQ (rig.link.deviceLibrary.presets[31].name, "RUN " + juce::String (run) + " 32");
        rig.tick (1); // the message thread's timer runs beside the MIDI thread
    }

    EXPECT_EQ (rig.settings.firmwareVersion, "v1.1.0");
    EXPECT_TRUE (rig.events.getTimeouts().empty());
}

TEST (SyncThreaded, ClosingWhileAReplyWaitsForTheMessageThreadDoesNotDeadlock)
{
    TempFolder temp;
    EditorSettings settings;
    settings.load (temp.folders());
    VirtualMidiBackend backend;
    SimulatedInstrument instrument (backend);
    DevicePorts ports (backend);

    for (int round = 0; round < 5; ++round)
    {
        auto link = std::make_unique<DeviceLink> (ports, settings);
        ports.openDevicePorts (link.get());
        link->releaseMonitor();

        // The reply's hand-over waits for the message thread, which is busy
        // here and then destroys the link (closing the ports) instead.
        link->advanceSync();
        std::this_thread::sleep_for (std::chrono::milliseconds (20 * round));
        link.reset();

        EXPECT_EQ (ports.getNumOpenInputs(), 0);
        EXPECT_TRUE (pumpUntil ([&]
                                { return instrument.isIdle(); }));
    }
}

TEST (Sync, AReplyJustBeforeTheTimeOutIsNotTimedOutWhileItIsHandedOver)
{
    // A timer tick that runs while a reply waits for the message thread.
    struct TickingListener final : public DeviceLink::Listener
    {
        explicit TickingListener (DeviceLink& l)
            : link (l)
        {
        }

        void syncStateChanged (DeviceLink::SyncState state) override
        {
            if (state == DeviceLink::SyncState::bankRequested)
                link.timerCallback();
        }

        void bankReplaced (DeviceLink::BankChange) override { link.timerCallback(); }

        DeviceLink& link;
    };

    DeviceTestRig rig;
    rig.connect();
    TickingListener ticker (rig.link);
    rig.link.addListener (&ticker);
    rig.instrument.setSilent (true);

    rig.link.advanceSync();
    rig.link.handleIncomingMidiMessage (nullptr, DeviceMessages::identityReply ({ 0, 1, 1, 0 }));
    ASSERT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::presetRequested);

    // The preset dump at 9.8 s moves on and the bank request goes out.
    rig.tick (49);
    rig.link.handleIncomingMidiMessage (nullptr, DeviceMessages::presetDumpMessage ({}));
    EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::bankRequested);
    EXPECT_TRUE (rig.events.getTimeouts().empty());
    ASSERT_TRUE (rig.instrument.waitUntilIdle());
    EXPECT_TRUE (DeviceMessages::isBankRequest (rig.instrument.getReceived().back()));

    // The bank dump at 9.8 s (the tick in the hand-over above counted too)
    // completes the run without a "Sync Error".
    rig.tick (48);
    rig.link.handleIncomingMidiMessage (nullptr, DeviceMessages::bankDumpMessage (encodeBankDump (namedPresets ("LATE ", 32))));
    EXPECT_EQ (rig.link.getSyncState(), DeviceLink::SyncState::idle);
    EXPECT_TRUE (rig.events.getTimeouts().empty());
    EXPECT_EQ (rig.link.deviceLibrary.presets[0].name, "LATE 1");
    rig.link.removeListener (&ticker);
}
