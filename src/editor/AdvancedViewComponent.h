#pragma once

#include "ViewContext.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

class GlobalViewComponent;
struct PresetField;

/** The modulation settings: how the played volume and pitch move the wave
    scan, the filter and the level, and the preset's transposition.
*/
class AdvancedViewComponent final : public juce::Component,
                                    private juce::Slider::Listener
{
public:
    //==============================================================================
    explicit AdvancedViewComponent (ViewContext context);
    ~AdvancedViewComponent() override;

    void resized() override;

    /** Gives the controls the main component's look-and-feels. */
    void applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook);

    /** The global view, whose note read-outs follow the transposition. */
    void setGlobalView (GlobalViewComponent* view) noexcept { globalView = view; }

    void setFromPreset (const BXVandoriumPreset& preset, juce::NotificationType notification);

    /** Enables or dims the four scan-modulation knobs for the record's waveform. */
    void applyWaveformRules (const BXVandoriumPreset& preset, juce::NotificationType notification);

    /** Sends all nine knobs to the instrument, in table order. */
    void sendAllParameters();

    /** "+12 SEMITONES", "-64 SEMITONES" for a semitone offset. */
    static juce::String semitonesText (int offset);

private:
    // Tests and tools reach the controls by their component names.
    juce::Slider volumeWaveformScanAmountKnob { "Volume Waveform Scan Amount" }, volumeWaveformScanRateKnob { "Volume Waveform Scan Rate" },
        volumeFilterResonanceKnob { "Volume Filter Resonance" }, volumeFilterCutoffKnob { "Volume Filter Cutoff" },
        volumeVolumeKnob { "Volume Volume" }, pitchFilterResonanceKnob { "Pitch Filter Resonance" },
        pitchWaveformScanAmountKnob { "Pitch Waveform Scan Amount" }, pitchWaveformScanRateKnob { "Pitch Waveform Scan Rate" },
        transposeKnob { "Transpose" };
    juce::Label transposeLabel { "Transpose Label", "label text" };

    void sliderValueChanged (juce::Slider*) override;
    std::array<juce::Slider*, 9> knobs();
    std::array<juce::Slider*, 4> scanModulationKnobs();

    ViewContext context;
    GlobalViewComponent* globalView = nullptr;
    std::map<const juce::Slider*, const PresetField*> fields;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AdvancedViewComponent)
};
