#include "DeviceLink.h"

#include "DeviceMessages.h"
#include "model/BankDump.h"
#include "model/SafeFileReader.h"
#include "model/SafeFileWriter.h"

#include <juce_events/juce_events.h>

namespace
{
constexpr int startingUp = (int) DeviceLink::SyncState::startingUp;
constexpr int idle = (int) DeviceLink::SyncState::idle;
constexpr int identityRequested = (int) DeviceLink::SyncState::identityRequested;
constexpr int presetRequested = (int) DeviceLink::SyncState::presetRequested;
constexpr int bankRequested = (int) DeviceLink::SyncState::bankRequested;
} // namespace

DeviceLink::DeviceLink (DevicePorts& p, EditorSettings& s)
    : ports (p)
    , settings (s)
    , sender (p, {})
{
}

DeviceLink::~DeviceLink()
{
    // Release a reply that waits for the message thread, close the ports
    // (which waits for that reply to return), and only then let calls still
    // queued for the message thread know that the link is gone.
    shuttingDown = true;
    closeDevicePorts();
    alive.reset();
}

void DeviceLink::closeDevicePorts()
{
    portsChanging = true;
    ports.closeDevicePorts();
    portsChanging = false;
}

void DeviceLink::openDevicePorts()
{
    portsChanging = true;
    ports.openDevicePorts (this);
    portsChanging = false;
}

void DeviceLink::runOnMessageThread (std::function<void()> function)
{
    auto* manager = juce::MessageManager::getInstanceWithoutCreating();

    if (manager == nullptr || manager->isThisTheMessageThread())
    {
        function();
        return;
    }

    struct Call
    {
        std::function<void()> function;
        juce::WaitableEvent done;
    };

    auto call = std::make_shared<Call>();
    call->function = std::move (function);
    std::weak_ptr<bool> linkAlive = alive;

    juce::MessageManager::callAsync ([call, linkAlive]
                                     {
                                         if (linkAlive.lock() != nullptr)
                                             call->function();

                                         call->done.signal(); });

    while (! call->done.wait (5))
        if (portsChanging || shuttingDown)
            return;
}

juce::File DeviceLink::getCacheFile() const
{
    return fileForPath (settings.settingsFolder + cacheFileName);
}

void DeviceLink::loadStartUpBank()
{
    // A bank dump is 6646 bytes; the limit only keeps a hostile file out.
    const auto cached = readWholeFile (getCacheFile(), 64 * 1024);

    if (cached.ok())
    {
        // A truncated cache gives the default bank rather than a partial one.
        if (auto bank = decodeBankDump (reinterpret_cast<const juce::uint8*> (cached.bytes.data()), cached.bytes.size()))
        {
            deviceLibrary = std::move (*bank);
            return;
        }
    }

    deviceLibrary = BXVandoriumLibrary();

    for (int slot = 1; slot <= BankDump::numSlots; ++slot)
    {
        BXVandoriumPreset preset;
        preset.name = juce::String::formatted ("PRESET %d", slot);
        deviceLibrary.presets.push_back (preset);
    }
}

//==============================================================================
void DeviceLink::timerCallback()
{
    const auto elapsed = syncElapsedMs.fetch_add (tickMs) + tickMs;
    auto state = syncState.load();

    if (state >= identityRequested && state <= bankRequested)
    {
        if (elapsed >= timeoutMs && syncState.compare_exchange_strong (state, idle))
        {
            listeners.call ([] (Listener& l)
                            { l.syncStateChanged (SyncState::idle); });
            listeners.call ([state] (Listener& l)
                            { l.syncTimedOut ((SyncState) state); });
            syncElapsedMs = 0;
        }

        syncProgress = std::fmod (syncProgress + 0.1, 1.0);
        return;
    }

    if (state != idle || syncElapsedMs.load() < presenceCheckMs)
        return;

    // While a synchronisation runs, nothing is enumerated; otherwise the
    // ports are listed once a second, once.
    const auto present = ports.isDevicePresent();

    if (! present && ports.deviceConnected)
    {
        ports.deviceConnected = false;
        closeDevicePorts();
        listeners.call ([] (Listener& l)
                        { l.connectionChanged (false); });
    }
    else if (present && ! ports.deviceConnected)
    {
        openDevicePorts();

        if (ports.deviceConnected)
            listeners.call ([] (Listener& l)
                            { l.connectionChanged (true); });
    }

    syncElapsedMs = 0;
}

void DeviceLink::advanceSync()
{
    advanceFrom (syncState.load());
}

void DeviceLink::releaseMonitor()
{
    auto expected = startingUp;

    if (syncState.compare_exchange_strong (expected, idle))
        listeners.call ([] (Listener& l)
                        { l.syncStateChanged (SyncState::idle); });
}

void DeviceLink::advanceFrom (int expectedState)
{
    if (expectedState < idle || expectedState > bankRequested)
        return;

    const auto newState = expectedState == bankRequested ? idle : expectedState + 1;

    if (! syncState.compare_exchange_strong (expectedState, newState))
        return;

    // The clock restarts before anything waits for the message thread: a
    // tick during the hand-overs below must not time out the new request.
    syncElapsedMs = 0;

    // Nothing goes out once a time-out has ended the run meanwhile.
    if (newState != idle && syncState.load() == newState)
        sendRequestFor (newState);

    if (newState == identityRequested)
        runOnMessageThread ([this]
                            { syncProgress = 0.0; });

    // The state as it is when the call runs: a time-out may have ended the
    // run meanwhile, and the window must not show a run that is over.
    runOnMessageThread ([this]
                        {
                            const auto current = getSyncState();
                            listeners.call ([current] (Listener& l)
                                            { l.syncStateChanged (current); }); });
}

void DeviceLink::sendRequestFor (int newState)
{
    switch (newState)
    {
        case identityRequested:
            ports.broadcast (DeviceMessages::identityRequest());
            break;
        case presetRequested:
            ports.broadcast (DeviceMessages::presetRequest());
            break;
        case bankRequested:
            ports.broadcast (DeviceMessages::bankRequest());
            break;
        default:
            break;
    }
}

//==============================================================================
void DeviceLink::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    if (! message.isSysEx())
        return;

    const auto state = syncState.load();

    if (state == identityRequested && DeviceMessages::isIdentityReply (message))
    {
        // An answer in time stays in time while it is handed over.
        syncElapsedMs = 0;

        // The version text is read on the message thread, so it is set there.
        if (const auto version = DeviceMessages::firmwareVersionFrom (message))
            runOnMessageThread ([this, text = *version]
                                { settings.firmwareVersion = text; });

        advanceFrom (identityRequested);
    }
    else if (state == presetRequested && DeviceMessages::isPresetDump (message))
    {
        advanceFrom (presetRequested);
    }
    else if (state == bankRequested && DeviceMessages::isBankDump (message))
    {
        auto bank = decodeBankDump (message.getSysExData(), (size_t) message.getSysExDataSize());

        // A dump too short for 32 slots never replaces the bank; the
        // time-out reports the failed run.
        if (! bank.has_value())
            return;

        // An answer in time stays in time while it is handed over.
        syncElapsedMs = 0;

        // Owned by the call: an abandoned wait may let it run later.
        auto received = std::make_shared<BXVandoriumLibrary> (std::move (*bank));

        runOnMessageThread ([this, received]
                            {
                                deviceLibrary = std::move (*received);
                                listeners.call ([] (Listener& l)
                                                { l.bankReplaced (BankChange::synchronised); }); });

        if (! writeCache (juce::MemoryBlock (message.getSysExData(), (size_t) message.getSysExDataSize())))
            runOnMessageThread ([this]
                                { listeners.call ([] (Listener& l)
                                                  { l.cacheWriteFailed(); }); });

        advanceFrom (bankRequested);
    }
}

//==============================================================================
bool DeviceLink::writeCache (const juce::MemoryBlock& payload) const
{
    return replaceFileContent (getCacheFile(), payload.getData(), payload.getSize());
}

bool DeviceLink::sendLibraryToDevice (const BXVandoriumLibrary& library)
{
    // The bank copy shows what the instrument holds: nothing changes for a
    // bank that cannot be sent.
    if (! ports.deviceConnected)
        return false;

    auto presets = library.presets;

    // The instrument keeps its remaining slots.
    for (auto n = presets.size(); n < (size_t) BankDump::numSlots && n < deviceLibrary.presets.size(); ++n)
        presets.push_back (deviceLibrary.presets[n]);

    if (presets.size() > (size_t) BankDump::numSlots)
        presets.resize ((size_t) BankDump::numSlots);

    const auto payload = encodeBankDump (presets);
    ports.broadcast (DeviceMessages::bankDumpMessage (payload));
    const auto cached = writeCache (payload);

    BXVandoriumLibrary bank;
    bank.presets = std::move (presets);
    deviceLibrary = std::move (bank);
    listeners.call ([] (Listener& l)
                    { l.bankReplaced (BankChange::sent); });

    if (! cached)
        listeners.call ([] (Listener& l)
                        { l.cacheWriteFailed(); });

    return true;
}

bool DeviceLink::replaceDevicePreset (const BXVandoriumPreset& preset, int slot)
{
    if (slot < 0 || slot >= (int) deviceLibrary.presets.size() || ! ports.deviceConnected)
        return false;

    ports.broadcast (DeviceMessages::storeRequest());
    deviceLibrary.presets[(size_t) slot] = preset;
    const auto cached = writeCache (encodeBankDump (deviceLibrary.presets));
    listeners.call ([slot] (Listener& l)
                    { l.bankSlotChanged (slot); });

    if (! cached)
        listeners.call ([] (Listener& l)
                        { l.cacheWriteFailed(); });

    return true;
}
