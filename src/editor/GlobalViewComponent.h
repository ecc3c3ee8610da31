#pragma once

#include "ViewContext.h"
#include "appearance/VandoriumLookAndFeel.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The instrument's global settings: master volume and the note range it
    plays, with note read-outs. They belong to no preset and reach the
    instrument only when the user moves them.
*/
class GlobalViewComponent final : public juce::Component,
                                  private juce::Slider::Listener
{
public:
    //==============================================================================
    explicit GlobalViewComponent (ViewContext context);
    ~GlobalViewComponent() override;

    void resized() override;

    /** Gives the controls the main component's look-and-feels. */
    void applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook);

    /** Refreshes both read-outs with the preset's transposition (on firmware that applies it). */
    void updateNoteLabels();

    /** "LO NOTE:C 1": the note name and octave, shifted by the preset's
        transposition when a preset is given and the firmware is 1.1.0 or later.
    */
    static juce::String noteLabelText (const juce::String& prefix, int note, const BXVandoriumPreset* preset, const juce::String& firmwareVersion);

    /** 10100 for "v1.1.0", 10009 for "v1.0.9", 0 for an unknown version. */
    static int versionNumber (const juce::String& firmwareVersion);

private:
    // Tests and tools reach the controls by their component names.
    juce::Slider masterVolumeKnob { "Master Volume" }, lowNoteKnob { "Low Note" }, highNoteKnob { "High Note" };
    juce::Label lowNoteLabel { "Low Note Label", "label text" }, highNoteLabel { "High Note Label", "label text" };

    void sliderValueChanged (juce::Slider*) override;

    ViewContext context;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlobalViewComponent)
};
