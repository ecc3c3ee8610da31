#pragma once

#include "ViewContext.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

class AdvancedViewComponent;
struct PresetField;

/** The main sound parameters: scale and root note, pitch correction, the
    waveform and its scanning, the filter, and the delay effect.

    Two rules tie the controls together: waveforms without scanning dim and
    disable the scan knobs, and the effect list sets the delay knobs (moving
    a delay knob afterwards turns the effect into "PRESET").
*/
class BasicViewComponent final : public juce::Component,
                                 private juce::ComboBox::Listener,
                                 private juce::Slider::Listener
{
public:
    //==============================================================================
    explicit BasicViewComponent (ViewContext context);
    ~BasicViewComponent() override;

    void resized() override;

    /** Gives the controls the main component's look-and-feel. */
    void applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook);

    /** The advanced view, whose scan-modulation knobs follow the waveform too. */
    void setAdvancedView (AdvancedViewComponent* view) noexcept { advancedView = view; }

    /** Shows a preset's values; with a sending notification every changed
        control also reaches the instrument.
    */
    void setFromPreset (const BXVandoriumPreset& preset, juce::NotificationType notification);

    /** Enables or dims the scan knobs for the record's waveform. */
    void applyWaveformRules (const BXVandoriumPreset& preset, juce::NotificationType notification);

    /** Sends the view's state to the instrument (the library manager's preview). */
    void sendAllParameters (const BXVandoriumPreset& preset);

    /** The effect list's text for an effect value, or nothing for another value. */
    static std::optional<juce::String> effectText (int effect);

    bool delayValuesFromEffect = false;

private:
    // Tests and tools reach the controls by their component names.
    juce::ComboBox scaleList { "Scale" }, rootNoteList { "Root Note" };
    juce::Slider pitchCorrectionKnob { "Pitch Correction" };
    juce::ComboBox waveformList { "Waveform" };
    juce::Slider scanRateKnob { "Scan Rate" }, scanAmountKnob { "Scan Amount" }, scanPositionKnob { "Scan Position" };
    juce::ComboBox filterTypeList { "Filter Type" };
    juce::Slider filterCutoffKnob { "Filter Cutoff" }, filterResonanceKnob { "Filter Resonance" }, filterPitchTrackKnob { "Filter Pitch Track" };
    juce::ComboBox effectList { "Effect Name" };
    juce::Slider delayTimeKnob { "Delay Time" }, delayFeedbackKnob { "Delay Feedback" }, effectMixKnob { "Effect Mix" };

    void comboBoxChanged (juce::ComboBox*) override;
    void sliderValueChanged (juce::Slider*) override;
    void applyEffectRule();

    std::vector<juce::Component*> controlsInOrder();
    const PresetField* fieldOf (const juce::Component& control) const;

    ViewContext context;
    AdvancedViewComponent* advancedView = nullptr;
    std::map<const juce::Component*, const PresetField*> fields;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicViewComponent)
};
