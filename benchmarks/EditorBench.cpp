#include "EditorBench.h"

#include "BenchUtil.h"

#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "dialogs/SilentUserDialogs.h"
#include "editor/MainComponent.h"

namespace
{
/** Two presets that differ in every control the views show. */
std::pair<BXVandoriumPreset, BXVandoriumPreset> contrastingPresets()
{
    BXVandoriumPreset a, b;
    a.name = "FIRST";
    b.name = "SECOND";
    a.waveform = 3;
    b.waveform = 6;
    a.volume = 40, b.volume = 90;
    a.scale = 2, b.scale = 7;
    a.rootNote = 1, b.rootNote = 9;
    a.pitchCorrection = 10, b.pitchCorrection = 100;
    a.scanRate = 1000, b.scanRate = 9000;
    a.scanAmount = 2000, b.scanAmount = 12000;
    a.scanPosition = 3000, b.scanPosition = 11000;
    a.filterType = 2, b.filterType = 3;
    a.filterCutoff = 30, b.filterCutoff = 100;
    a.filterResonance = 10, b.filterResonance = 90;
    a.filterPitchTrack = 4000, b.filterPitchTrack = 12000;
    a.effect = 4, b.effect = 4;
    a.delayTime = 2000, b.delayTime = 9000;
    a.delayFeedback = 3000, b.delayFeedback = 10000;
    a.effectMix = 20, b.effectMix = 80;
    a.volumeWaveformScanAmount = 4000, b.volumeWaveformScanAmount = 12000;
    a.volumeWaveformScanRate = 4000, b.volumeWaveformScanRate = 12000;
    a.volumeFilterResonance = 4000, b.volumeFilterResonance = 12000;
    a.volumeFilterCutoff = 4000, b.volumeFilterCutoff = 12000;
    a.volumeVolume = 500, b.volumeVolume = 3000;
    a.pitchFilterResonance = 4000, b.pitchFilterResonance = 12000;
    a.pitchWaveformScanAmount = 4000, b.pitchWaveformScanAmount = 12000;
    a.pitchWaveformScanRate = 4000, b.pitchWaveformScanRate = 12000;
    a.transpose = 50, b.transpose = 80;
    return { a, b };
}
} // namespace

void runEditorBenchmarks()
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vandorium-bench-" + juce::Uuid().toString());
    EditorSettings settings;
    settings.load ({ folder.getChildFile ("appdata"), folder.getChildFile ("documents"), folder.getChildFile ("Resources"), {} });

    VirtualMidiBackend backend;
    std::atomic<int> messages { 0 };
    backend.addInputPort ("Brax Vandorium");
    backend.addOutputPort ("Brax Vandorium", [&] (const juce::MidiMessage&)
                           { ++messages; });
    DevicePorts ports (backend);
    SilentUserDialogs dialogs;

    {
        EditorSession session ({ ports, settings, dialogs });
        MainComponent main (session);
        session.openDevicePorts();

        const auto [first, second] = contrastingPresets();
        constexpr int loads = 200;
        messages = 0;

        const auto time = medianMilliseconds (5, [&]
                                              {
                                                  for (int i = 0; i < loads; ++i)
                                                      session.loadPresetIntoEditor (i % 2 == 0 ? first : second, juce::sendNotificationSync); });

        std::cout << "Editor\n";
        printFigure ("load a library preset, every control changes (target < 2)", time / loads, "ms");
        printFigure ("  MIDI messages sent per load", (double) messages.load() / (5.0 * loads), "");
    }

    folder.deleteRecursively();
}
