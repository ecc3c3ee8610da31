#pragma once

#include "MessagePump.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "editor/FindComponent.h"
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
        session = std::make_unique<EditorSession> (EditorSession::Services { ports, settings, dialogs });
        main = std::make_unique<MainComponent> (*session);
        session->openDevicePorts();
        session->releaseMonitor();
    }

    ~EditorTestRig()
    {
        instrument.setSilent (true);
        instrument.waitUntilIdle();
        main = nullptr;
        session = nullptr;
    }

    /** A control of the window, found by its component name as a user tells them apart. */
    template <typename ComponentType>
    ComponentType& control (const juce::String& name)
    {
        auto* found = findComponent<ComponentType> (*main, name);

        if (found == nullptr)
            throw std::runtime_error ("no control named " + name.toStdString());

        return *found;
    }

    juce::Slider& knob (const juce::String& name) { return control<juce::Slider> (name); }
    juce::ComboBox& list (const juce::String& name) { return control<juce::ComboBox> (name); }
    juce::Label& label (const juce::String& name) { return control<juce::Label> (name); }
    BXListBox& libraryList() { return control<BXListBox> ("Library Presets"); }
    BXListBox& deviceList() { return control<BXListBox> ("Vandorium Presets"); }
    juce::Label& nameDisplay() { return control<juce::Label> ("Preset Name"); }
    juce::Slider& volumeKnob() { return control<juce::Slider> ("Preset Volume"); }
    CommandButton& button (const juce::String& name) { return control<CommandButton> (name); }
    BasicViewComponent& basicView() { return control<BasicViewComponent> ("Basic View Panel"); }
    AdvancedViewComponent& advancedView() { return control<AdvancedViewComponent> ("Advanced View Panel"); }
    GlobalViewComponent& globalView() { return control<GlobalViewComponent> ("Global View Panel"); }
    const BXVandoriumPreset& preset() const { return session->getPreset(); }

    /** Clicks a command button in a state: "over" as a mouse click reports it. */
    void click (const juce::String& buttonName, juce::Button::ButtonState state = juce::Button::buttonOver)
    {
        auto& b = button (buttonName);
        b.setState (state);
        b.clicked();
    }

    /** Makes a user library of these presets the current one. */
    void useLibrary (const juce::String& name, const std::vector<BXVandoriumPreset>& presets)
    {
        BXVandoriumLibrary library (settings.libraryFolder + name + ".vandorium", false);
        library.presets = presets;
        library.save();
        session->setCurrentLibrary (library);
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
                          { return session->getLink().getSyncState() == DeviceLink::SyncState::idle && instrument.isIdle(); });
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
    std::unique_ptr<EditorSession> session;
    std::unique_ptr<MainComponent> main;
};
