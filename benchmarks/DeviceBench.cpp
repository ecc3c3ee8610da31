#include "DeviceBench.h"

#include "BenchUtil.h"

#include "device/ControllerMap.h"
#include "device/DeviceLink.h"
#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"

#include <juce_events/juce_events.h>

namespace
{
/** A window stand-in that does nothing but run calls on the message thread. */

/** Measures the time the editor spends inside its MIDI input callback. */
struct TimedCallback final : public juce::MidiInputCallback
{
    explicit TimedCallback (DeviceLink& l)
        : link (l)
    {
    }

    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override
    {
        const auto start = juce::Time::getHighResolutionTicks();
        link.handleIncomingMidiMessage (source, message);
        ticks += juce::Time::getHighResolutionTicks() - start;
    }

    DeviceLink& link;
    std::atomic<juce::int64> ticks { 0 };
};
} // namespace

void runDeviceBenchmarks()
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("vandorium-bench-", "", false);
    folder.createDirectory();

    EditorSettings settings;
    settings.load ({ folder.getChildFile ("appdata"), folder.getChildFile ("documents"), folder.getChildFile ("Resources"), {} });

    VirtualMidiBackend backend;
    SimulatedInstrument instrument (backend);
    DevicePorts ports (backend);
    DeviceLink link (ports, settings);
    TimedCallback callback (link);
    link.loadStartUpBank();
    ports.openDevicePorts (&callback);
    link.releaseMonitor();

    std::cout << "Device link against the simulated instrument\n";

    constexpr int cycles = 50;
    std::vector<double> cycleTimes;

    for (int i = 0; i < cycles; ++i)
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();
        link.advanceSync();

        while (link.getSyncState() != DeviceLink::SyncState::idle || ! instrument.isIdle())
            juce::MessageManager::getInstance()->runDispatchLoopUntil (1);

        cycleTimes.push_back (juce::Time::getMillisecondCounterHiRes() - start);
    }

    std::sort (cycleTimes.begin(), cycleTimes.end());
    printFigure ("full sync cycle, wall clock (median)", cycleTimes[cycles / 2], "ms");
    printFigure ("full sync cycle, editor callback time (mean)",
                 juce::Time::highResolutionTicksToSeconds (callback.ticks.load()) * 1000.0 / cycles,
                 "ms");

    constexpr int messages = 20000;
    const auto descriptor = ControllerMap::descriptorFor ("Filter Cutoff");
    const auto pairDescriptor = ControllerMap::descriptorFor ("Scan Rate");

    const auto single = medianMilliseconds (5, [&]
                                            { for (int i = 0; i < messages; ++i) link.getSender().sendPackedMessage (descriptor, i & 127); });
    const auto pair = medianMilliseconds (5, [&]
                                          { for (int i = 0; i < messages; ++i) link.getSender().sendPackedMessage (pairDescriptor, i & 16383); });
    printFigure ("sendPackedMessage, 7-bit controller", single * 1000.0 / messages, "us");
    printFigure ("sendPackedMessage, 14-bit pair", pair * 1000.0 / messages, "us");

    while (! instrument.isIdle())
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);

    ports.closeDevicePorts();
    folder.deleteRecursively();
}
