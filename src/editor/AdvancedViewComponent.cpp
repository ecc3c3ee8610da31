#include "AdvancedViewComponent.h"

#include "GlobalViewComponent.h"
#include "ParameterControls.h"
#include "WaveformRules.h"
#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"
#include "model/PresetFields.h"

namespace
{

} // namespace

AdvancedViewComponent::AdvancedViewComponent (ViewContext c)
    : context (c)
{
    using namespace ParameterControls;

    for (auto* knob : knobs())
        setUpKnob (*knob, *this, *this);

    addAndMakeVisible (transposeLabel);
    transposeLabel.setFont (juce::Font (15.0f));
    transposeLabel.setJustificationType (juce::Justification::centred);
    transposeLabel.setEditable (false, false, false);
    transposeLabel.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    transposeLabel.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));

    setSize (DesignLayout::Views::width, DesignLayout::Views::height);
    transposeLabel.setFont (getResourceFont ("LCDFont", 18.0f));

    // Where each knob starts, and whether a double click returns it there.
    const struct
    {
        juce::Slider* knob;
        int initial;
        bool centred;
    } settings[] = {
        { &volumeWaveformScanAmountKnob, 8192, true },
        { &volumeWaveformScanRateKnob, 8192, true },
        { &volumeFilterResonanceKnob, 8192, true },
        { &volumeFilterCutoffKnob, 8192, true },
        { &volumeVolumeKnob, 1023, false },
        { &pitchFilterResonanceKnob, 8192, true },
        { &pitchWaveformScanAmountKnob, 8192, true },
        { &pitchWaveformScanRateKnob, 8192, true },
        { &transposeKnob, 64, true },
    };

    for (const auto& s : settings)
        s.knob->setValue (s.initial, juce::dontSendNotification);

    transposeLabel.setText (semitonesText (0), juce::dontSendNotification);

    for (const auto& s : settings)
        if (s.centred)
            s.knob->setDoubleClickReturnValue (true, s.initial);

    for (const auto& s : settings)
    {
        fields[s.knob] = applyParameter (*s.knob);

        // The transposition shows in its read-out; the knob keeps no tooltip.
        if (s.knob != &transposeKnob)
            updateSliderTooltip (*s.knob);
    }
}

AdvancedViewComponent::~AdvancedViewComponent()
{
    for (auto* knob : knobs())
        knob->setLookAndFeel (nullptr);

    transposeLabel.setLookAndFeel (nullptr);
}

std::array<juce::Slider*, 9> AdvancedViewComponent::knobs()
{
    return { &volumeWaveformScanAmountKnob, &volumeWaveformScanRateKnob, &volumeFilterResonanceKnob, &volumeFilterCutoffKnob, &volumeVolumeKnob, &pitchFilterResonanceKnob, &pitchWaveformScanAmountKnob, &pitchWaveformScanRateKnob, &transposeKnob };
}

std::array<juce::Slider*, 4> AdvancedViewComponent::scanModulationKnobs()
{
    return { &volumeWaveformScanAmountKnob, &volumeWaveformScanRateKnob, &pitchWaveformScanAmountKnob, &pitchWaveformScanRateKnob };
}

void AdvancedViewComponent::applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook)
{
    for (auto* knob : knobs())
        knob->setLookAndFeel (knob == &transposeKnob ? &knobLook : &bigKnobLook);

    transposeLabel.setColour (juce::Label::textColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
}

void AdvancedViewComponent::resized()
{
    const auto scale = getUiScale();

    for (auto* child : getChildren())
        child->setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Advanced::children, child->getName().toRawUTF8()), scale));
}

juce::String AdvancedViewComponent::semitonesText (int offset)
{
    return (offset >= 0 ? "+" + juce::String (offset) : juce::String (offset)) + " SEMITONES";
}

//==============================================================================
void AdvancedViewComponent::sliderValueChanged (juce::Slider* knob)
{
    const auto value = (int) knob->getValue();

    if (const auto found = fields.find (knob); found != fields.end() && found->second != nullptr)
        found->second->set (context.preset, value);

    if (knob == &transposeKnob)
    {
        transposeLabel.setText (semitonesText (value - 64), juce::dontSendNotification);

        if (globalView != nullptr)
            globalView->updateNoteLabels();
    }
    else
    {
        ParameterControls::updateSliderTooltip (*knob);
    }

    ParameterControls::sendValue (context.sender, *knob, value);
}

void AdvancedViewComponent::setFromPreset (const BXVandoriumPreset& p, juce::NotificationType notification)
{
    const std::pair<juce::Slider*, int> values[] = {
        { &volumeWaveformScanAmountKnob, p.volumeWaveformScanAmount },
        { &volumeWaveformScanRateKnob, p.volumeWaveformScanRate },
        { &volumeFilterResonanceKnob, p.volumeFilterResonance },
        { &volumeFilterCutoffKnob, p.volumeFilterCutoff },
        { &volumeVolumeKnob, p.volumeVolume },
        { &pitchFilterResonanceKnob, p.pitchFilterResonance },
        { &pitchWaveformScanAmountKnob, p.pitchWaveformScanAmount },
        { &pitchWaveformScanRateKnob, p.pitchWaveformScanRate },
    };

    for (const auto& [knob, value] : values)
    {
        knob->setValue (value, notification);
        ParameterControls::updateSliderTooltip (*knob);
    }

    transposeKnob.setValue (p.transpose, notification);

    // The read-out from the knob's own display range (-64..63 over 0..127).
    transposeLabel.setText (semitonesText (ParameterControls::displayedValue (transposeKnob)), juce::sendNotificationSync);

    applyWaveformRules (p, notification);
}

void AdvancedViewComponent::applyWaveformRules (const BXVandoriumPreset& p, juce::NotificationType notification)
{
    for (auto* knob : scanModulationKnobs())
    {
        const auto isAmount = knob == &volumeWaveformScanAmountKnob || knob == &pitchWaveformScanAmountKnob;

        if (WaveformRules::usesScanning (p.waveform))
        {
            knob->setAlpha (1.0f);
            knob->setEnabled (true);
            ParameterControls::updateSliderTooltip (*knob);
        }
        else
        {
            knob->setValue (8192, notification);
            knob->setAlpha (0.5f);
            knob->setEnabled (false);
            knob->setTooltip (WaveformRules::unusedBy (isAmount ? "SCAN AMOUNT" : "SCAN RATE", p.waveform));
        }
    }
}

void AdvancedViewComponent::sendAllParameters()
{
    for (auto* knob : knobs())
        ParameterControls::sendValue (context.sender, *knob, (int) knob->getValue());
}
