#include "SimulatedInstrument.h"

#include "ControllerMap.h"
#include "DeviceMessages.h"
#include "model/BankDump.h"
#include "model/ParameterTable.h"
#include "model/PresetFields.h"

namespace
{
struct ControllerTarget
{
    const PresetField* field = nullptr;
    int highController = -1; // for the low half of a 14-bit pair
    bool isHighHalf = false;
};

const std::array<ControllerTarget, 128>& controllerTargets()
{
    static const auto targets = []
    {
        std::array<ControllerTarget, 128> t {};

        for (const auto& a : ParameterTable::parameters())
        {
            if (a.presetField == nullptr || a.descriptor == 0)
                continue;

            const auto* field = findPresetField (a.presetField);
            const auto high = ControllerMap::controllerOf (a.descriptor);

            if (ControllerMap::isFourteenBit (a.descriptor))
            {
                t[(size_t) high] = { field, -1, true };
                t[(size_t) ControllerMap::lowControllerOf (a.descriptor)] = { field, high, false };
            }
            else
            {
                t[(size_t) high] = { field, -1, false };
            }
        }

        return t;
    }();

    return targets;
}

} // namespace

//==============================================================================
SimulatedInstrument::SimulatedInstrument (VirtualMidiBackend& b, const juce::String& name)
    : backend (b)
    , portName (name)
{
    for (int slot = 0; slot < BankDump::numSlots; ++slot)
    {
        BXVandoriumPreset preset;
        preset.name = "FACTORY " + juce::String (slot + 1);
        preset.scanRate = (juce::uint16) (slot * 500);
        bank.push_back (preset);
    }

    currentSound = bank[0];
    worker = std::thread ([this]
                          { run(); });
    plugIn();
}

SimulatedInstrument::~SimulatedInstrument()
{
    unplug();

    {
        const std::lock_guard<std::mutex> guard (lock);
        quitting = true;
    }

    wakeUp.notify_all();
    worker.join();
}

void SimulatedInstrument::plugIn()
{
    const std::lock_guard<std::mutex> guard (lock);

    if (inputPort != 0)
        return;

    inputPort = backend.addInputPort (portName);
    outputPort = backend.addOutputPort (portName, [this] (const juce::MidiMessage& m)
                                        { receive (m); });
}

void SimulatedInstrument::unplug()
{
    VirtualMidiBackend::PortId in = 0, out = 0;

    {
        const std::lock_guard<std::mutex> guard (lock);
        std::swap (in, inputPort);
        std::swap (out, outputPort);
    }

    if (in != 0)
    {
        backend.removePort (in);
        backend.removePort (out);
    }
}

bool SimulatedInstrument::isPluggedIn() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return inputPort != 0;
}

//==============================================================================
void SimulatedInstrument::setRevision (juce::uint8 r1, juce::uint8 r2, juce::uint8 r3, juce::uint8 r4)
{
    const std::lock_guard<std::mutex> guard (lock);
    revision[0] = r1;
    revision[1] = r2;
    revision[2] = r3;
    revision[3] = r4;
}

void SimulatedInstrument::setSilent (bool shouldBeSilent)
{
    const std::lock_guard<std::mutex> guard (lock);
    silent = shouldBeSilent;
}

void SimulatedInstrument::setReplyDelayMs (int milliseconds)
{
    const std::lock_guard<std::mutex> guard (lock);
    replyDelayMs = milliseconds;
}

void SimulatedInstrument::setAnswerLimit (int numberOfAnswers)
{
    const std::lock_guard<std::mutex> guard (lock);
    answersLeft = numberOfAnswers;
}

void SimulatedInstrument::setBankDumpFault (BankDumpFault fault)
{
    const std::lock_guard<std::mutex> guard (lock);
    bankDumpFault = fault;
}

std::vector<BXVandoriumPreset> SimulatedInstrument::getBank() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return bank;
}

void SimulatedInstrument::setBank (const std::vector<BXVandoriumPreset>& presets)
{
    const std::lock_guard<std::mutex> guard (lock);
    bank = presets;
    bank.resize ((size_t) BankDump::numSlots);
}

BXVandoriumPreset SimulatedInstrument::getCurrentSound() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return currentSound;
}

int SimulatedInstrument::getSelectedSlot() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return selectedSlot;
}

std::vector<juce::MidiMessage> SimulatedInstrument::getReceived() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return received;
}

void SimulatedInstrument::clearReceived()
{
    const std::lock_guard<std::mutex> guard (lock);
    received.clear();
}

bool SimulatedInstrument::isIdle() const
{
    const std::lock_guard<std::mutex> guard (lock);
    return inbox.empty() && ! busy;
}

bool SimulatedInstrument::waitUntilIdle (int timeoutMs) const
{
    std::unique_lock<std::mutex> guard (lock);
    return becameIdle.wait_for (guard, std::chrono::milliseconds (timeoutMs), [this]
                                { return inbox.empty() && ! busy; });
}

//==============================================================================
void SimulatedInstrument::receive (const juce::MidiMessage& message)
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        received.push_back (message);
        inbox.push_back (message);
    }

    wakeUp.notify_all();
}

void SimulatedInstrument::run()
{
    std::unique_lock<std::mutex> guard (lock);

    for (;;)
    {
        wakeUp.wait (guard, [this]
                     { return quitting || ! inbox.empty(); });

        if (quitting)
            return;

        const auto message = inbox.front();
        inbox.pop_front();
        busy = true;

        guard.unlock();
        handle (message);
        guard.lock();

        busy = false;
        becameIdle.notify_all();
    }
}

void SimulatedInstrument::handle (const juce::MidiMessage& m)
{
    if (m.isController())
    {
        handleController (m.getControllerNumber(), m.getControllerValue());
        return;
    }

    if (m.isProgramChange())
    {
        const std::lock_guard<std::mutex> guard (lock);
        const auto slot = m.getProgramChangeNumber();

        if (slot < (int) bank.size())
        {
            selectedSlot = slot;
            currentSound = bank[(size_t) slot];
        }

        return;
    }

    if (! m.isSysEx())
        return;

    if (DeviceMessages::isIdentityRequest (m))
    {
        std::array<juce::uint8, 4> currentRevision {};

        {
            const std::lock_guard<std::mutex> guard (lock);
            std::copy (revision, revision + 4, currentRevision.begin());
        }

        reply (DeviceMessages::identityReply (currentRevision));
    }
    else if (DeviceMessages::isPresetRequest (m))
    {
        reply (DeviceMessages::presetDumpMessage (getCurrentSound().toWords (getSelectedSlot())));
    }
    else if (DeviceMessages::isBankRequest (m))
    {
        reply (bankDump());
    }
    else if (DeviceMessages::isPresetNameMessage (m))
    {
        const std::lock_guard<std::mutex> guard (lock);
        currentSound.name = DeviceMessages::nameFieldText (m).substring (0, BXVandoriumPreset::maxNameLength);
    }
    else if (DeviceMessages::isEffectNameMessage (m))
    {
        const std::lock_guard<std::mutex> guard (lock);
        currentSound.effect = (juce::uint16) BXVandoriumPreset::effectFromName (DeviceMessages::nameFieldText (m));
    }
    else if (DeviceMessages::isBankDump (m))
    {
        if (auto decoded = decodeBankDump (m.getSysExData(), (size_t) m.getSysExDataSize()))
        {
            const std::lock_guard<std::mutex> guard (lock);
            bank = decoded->presets;
            currentSound = bank[(size_t) selectedSlot];
        }
    }
}

void SimulatedInstrument::handleController (int controller, int value)
{
    const std::lock_guard<std::mutex> guard (lock);

    if (DeviceMessages::isStoreRequest (juce::MidiMessage::controllerEvent (1, controller, value)))
    {
        bank[(size_t) selectedSlot] = currentSound;
        return;
    }

    const auto& target = controllerTargets()[(size_t) controller];

    if (target.field == nullptr)
        return;

    if (target.isHighHalf)
        pendingHighBits[controller] = value;
    else if (target.highController >= 0)
        target.field->set (currentSound, (pendingHighBits[target.highController] << 7) | value);
    else
        target.field->set (currentSound, value);
}

juce::MidiMessage SimulatedInstrument::bankDump() const
{
    std::vector<BXVandoriumPreset> presets;
    BankDumpFault fault;

    {
        const std::lock_guard<std::mutex> guard (lock);
        presets = bank;
        fault = bankDumpFault;
    }

    auto payload = encodeBankDump (presets);

    if (fault == BankDumpFault::shortDump)
        payload.setSize (BankDump::headerSize + 5 * BankDump::slotSize);
    else if (fault == BankDumpFault::garbled)
    {
        payload.fillWith (0);
        payload.copyFrom (BankDump::header().data(), 0, BankDump::headerSize);
    }

    return DeviceMessages::bankDumpMessage (payload);
}

void SimulatedInstrument::reply (const juce::MidiMessage& message)
{
    VirtualMidiBackend::PortId port;
    int delay;

    {
        const std::lock_guard<std::mutex> guard (lock);

        if (silent || answersLeft == 0 || inputPort == 0)
            return;

        if (answersLeft > 0)
            --answersLeft;

        port = inputPort;
        delay = replyDelayMs;
    }

    if (delay > 0)
        std::this_thread::sleep_for (std::chrono::milliseconds (delay));

    backend.deliver (port, message);
}
