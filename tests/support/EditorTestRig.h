#pragma once

#include "MessagePump.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "editor/MainComponent.h"

#include <juce_events/juce_events.h>

/** A main component on a simulated instrument, with scripted dialogs and its
    files in a temporary folder; never shown on screen.
*/
struct EditorTestRig
{
    EditorTestRig()
    {
        settings.load (temp.folders());
        main = std::make_unique<MainComponent> (MainComponent::Services { ports, settings, dialogs });
        main->openDevicePorts();
        main->getDeviceLink().syncState = DeviceLink::idle;
    }

    ~EditorTestRig()
    {
        instrument.setSilent (true);
        instrument.waitUntilIdle();
        main = nullptr;
    }

    /** Makes a user library of these presets the current one. */
    void useLibrary (const juce::String& name, const std::vector<BXVandoriumPreset>& presets)
    {
        BXVandoriumLibrary library (settings.libraryFolder + name + ".vandorium", false);
        library.presets = presets;
        library.save();
        main->setCurrentLibrary (library);
    }

    static std::vector<BXVandoriumPreset> presetsNamed (const juce::String& prefix, int count)
    {
        std::vector<BXVandoriumPreset> presets;

        for (int i = 0; i < count; ++i)
        {
            BXVandoriumPreset p;
            p.name = prefix + juce::String (i + 1);
            presets.push_back (p);
        }

        return presets;
    }

    /** Lets a running sync reach its end, the instrument's last hand-over included. */
    bool waitForSyncToFinish()
    {
        return pumpUntil ([this]
                          { return main->getDeviceLink().syncState.load() == DeviceLink::idle && instrument.isIdle(); });
    }

    /** What the instrument received since the last call. */
    std::vector<juce::MidiMessage> takeReceived()
    {
        instrument.waitUntilIdle();
        auto received = instrument.getReceived();
        instrument.clearReceived();
        return received;
    }

    static std::vector<juce::MidiMessage> controllersIn (const std::vector<juce::MidiMessage>& messages)
    {
        std::vector<juce::MidiMessage> found;

        for (const auto& m : messages)
            if (m.isController())
                found.push_back (m);

        return found;
    }

    static juce::String nameSentIn (const std::vector<juce::MidiMessage>& messages)
    {
        for (const auto& m : messages)
            if (m.isSysEx() && m.getSysExDataSize() == 31 && m.getSysExData()[3] == 0x07)
                return juce::String (reinterpret_cast<const char*> (m.getSysExData() + 16), (size_t) 14).trimEnd();

        return "(none)";
    }

    TempFolder temp;
    EditorSettings settings;
    VirtualMidiBackend backend;
    SimulatedInstrument instrument { backend };
    DevicePorts ports { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<MainComponent> main;
};
