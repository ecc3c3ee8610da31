#include "BasicViewComponent.h"

#include "AdvancedViewComponent.h"
#include "ParameterControls.h"
#include "WaveformRules.h"
#include "appearance/DesignLayout.h"
#include "appearance/UiScale.h"
#include "model/EffectTable.h"
#include "model/PresetFields.h"

namespace
{
using ParameterControls::Tooltip;

const juce::StringArray scaleItems { "CHROMATIC", "IONIAN", "DORIAN", "PHRYGIAN", "LYDIAN", "MIXOLYDIAN", "AEOLIAN", "LOCRIAN", "MAJ BLUES", "MIN BLUES", "DIMINISHED", "MAJ PENTA", "MIN PENTA", "SPANISH", "GYPSY", "ARABIAN", "EGYPTIAN", "RYUKYU", "WHOLETONE", "MAJOR 3RD", "MINOR 3RD", "5TH" };
const juce::StringArray rootNoteItems { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
const juce::StringArray waveformItems { "SINE", "TRIANGLE", "SUPER SAW", "AURORA 1", "BRIGHT", "HOLLOW", "OPALINE" };
const juce::StringArray filterTypeItems { "OFF", "LOWPASS", "BANDPASS", "HIGHPASS", "NOTCH" };
// "PRESET" is shown for a loaded sound but is not a choice of the list.
const juce::StringArray effectItems = []
{
    juce::StringArray items;

    for (const auto& effect : EffectTable::effects)
        if (&effect != &EffectTable::effects[EffectTable::presetEffect])
            items.add (effect.listText);

    return items;
}();

} // namespace

//==============================================================================
BasicViewComponent::BasicViewComponent (ViewContext c)
    : context (c)
{
    using namespace ParameterControls;

    setUpList (scaleList, *this, scaleItems, *this);
    setUpList (rootNoteList, *this, rootNoteItems, *this);
    setUpKnob (pitchCorrectionKnob, *this, *this);
    setUpList (waveformList, *this, waveformItems, *this);
    setUpKnob (scanRateKnob, *this, *this);
    setUpKnob (scanAmountKnob, *this, *this);
    setUpKnob (scanPositionKnob, *this, *this);
    setUpList (filterTypeList, *this, filterTypeItems, *this);
    setUpKnob (filterCutoffKnob, *this, *this);
    setUpKnob (filterResonanceKnob, *this, *this);
    setUpKnob (filterPitchTrackKnob, *this, *this);
    setUpList (effectList, *this, effectItems, *this);
    setUpKnob (delayTimeKnob, *this, *this);
    setUpKnob (delayFeedbackKnob, *this, *this);
    setUpKnob (effectMixKnob, *this, *this);

    setSize (DesignLayout::Views::width, DesignLayout::Views::height);

    scaleList.setSelectedId (2, juce::dontSendNotification);
    rootNoteList.setSelectedId (1, juce::dontSendNotification);
    waveformList.setSelectedId (7, juce::dontSendNotification);
    filterTypeList.setSelectedId (2, juce::dontSendNotification);
    effectList.setText ("PRESET", juce::dontSendNotification);
    filterCutoffKnob.setValue (127, juce::dontSendNotification);
    filterPitchTrackKnob.setValue (8192, juce::dontSendNotification);

    for (auto* control : controlsInOrder())
    {
        fields[control] = applyParameter (*control);

        if (auto* knob = dynamic_cast<juce::Slider*> (control))
            updateSliderTooltip (*knob);
    }

    // The delay time's tooltip has no digits of its own.
    delayTimeKnob.getProperties().remove ("tooltipsDigits");

    filterPitchTrackKnob.setDoubleClickReturnValue (true, 8192);
    delayValuesFromEffect = false;
}

BasicViewComponent::~BasicViewComponent()
{
    for (auto* control : controlsInOrder())
        control->setLookAndFeel (nullptr);
}

std::vector<juce::Component*> BasicViewComponent::controlsInOrder()
{
    return { &scaleList, &rootNoteList, &pitchCorrectionKnob, &waveformList, &scanRateKnob, &scanAmountKnob, &scanPositionKnob, &filterTypeList, &filterCutoffKnob, &filterResonanceKnob, &filterPitchTrackKnob, &effectList, &delayTimeKnob, &delayFeedbackKnob, &effectMixKnob };
}

const PresetField* BasicViewComponent::fieldOf (const juce::Component& control) const
{
    const auto found = fields.find (&control);
    return found != fields.end() ? found->second : nullptr;
}

void BasicViewComponent::applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook)
{
    for (auto* control : controlsInOrder())
        control->setLookAndFeel (&bigKnobLook);
}

void BasicViewComponent::resized()
{
    const auto scale = getUiScale();

    for (auto* control : controlsInOrder())
        control->setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Basic::children, control->getName().toRawUTF8()), scale));
}

//==============================================================================
std::optional<juce::String> BasicViewComponent::effectText (int effect)
{
    if (effect < 0 || effect >= (int) EffectTable::effects.size())
        return std::nullopt;

    return juce::String (EffectTable::effects[(size_t) effect].listText);
}

void BasicViewComponent::comboBoxChanged (juce::ComboBox* list)
{
    if (list == &waveformList)
    {
        context.preset.waveform = (juce::uint16) (list->getSelectedId() - 1);
        applyWaveformRules (context.preset, juce::sendNotificationSync);

        if (advancedView != nullptr)
            advancedView->applyWaveformRules (context.preset, juce::sendNotificationSync);
    }
    else if (list == &effectList)
    {
        applyEffectRule();
    }
    else if (auto* field = fieldOf (*list))
    {
        field->set (context.preset, list->getSelectedId() - 1);
    }

    // The effect list has no descriptor: it reaches the instrument as its name.
    ParameterControls::sendValue (context.sender, *list, list->getSelectedItemIndex());
}

void BasicViewComponent::applyEffectRule()
{
    const auto text = effectList.getText();
    context.sender.sendEffectName (text);

    const auto maximumTime = (float) (double) delayTimeKnob.getProperties()["tooltipsMaximunValue"];
    const auto maximumFeedback = (float) delayFeedbackKnob.getMaximum();
    delayValuesFromEffect = false;

    for (size_t e = 0; e < EffectTable::effects.size(); ++e)
    {
        const auto& choice = EffectTable::effects[e];

        if (text != choice.listText)
            continue;

        context.preset.effect = (juce::uint16) e;

        if ((int) e == EffectTable::presetEffect)
            return;

        delayTimeKnob.setValue (maximumTime * choice.delayTimeShare, juce::sendNotificationSync);
        delayFeedbackKnob.setValue (maximumFeedback * choice.feedbackShare, juce::sendNotificationSync);
        delayValuesFromEffect = true;
        return;
    }
}

void BasicViewComponent::sliderValueChanged (juce::Slider* knob)
{
    const auto value = (int) knob->getValue();

    if (auto* field = fieldOf (*knob))
        field->set (context.preset, value);

    if ((knob == &delayTimeKnob || knob == &delayFeedbackKnob) && delayValuesFromEffect)
    {
        // The first move after a choice in the list makes the effect the user's own.
        effectList.setText ("PRESET", juce::sendNotificationSync);
        delayValuesFromEffect = false;
    }

    ParameterControls::updateSliderTooltip (*knob);
    ParameterControls::sendValue (context.sender, *knob, value);
}

//==============================================================================
void BasicViewComponent::setFromPreset (const BXVandoriumPreset& p, juce::NotificationType notification)
{
    using ParameterControls::updateSliderTooltip;

    const auto setKnob = [notification] (juce::Slider& knob, int value)
    {
        knob.setValue (value, notification);
        updateSliderTooltip (knob);
    };

    scaleList.setSelectedId (p.scale + 1, notification);
    rootNoteList.setSelectedId (p.rootNote + 1, notification);
    setKnob (pitchCorrectionKnob, p.pitchCorrection);
    waveformList.setSelectedId (p.waveform + 1, notification);
    setKnob (scanRateKnob, p.scanRate);
    setKnob (scanAmountKnob, p.scanAmount);
    setKnob (scanPositionKnob, p.scanPosition);
    filterTypeList.setSelectedId (p.filterType + 1, notification);
    setKnob (filterCutoffKnob, p.filterCutoff);
    setKnob (filterResonanceKnob, p.filterResonance);
    setKnob (filterPitchTrackKnob, p.filterPitchTrack);

    if (const auto text = effectText (p.effect))
        effectList.setText (*text, notification);

    setKnob (delayTimeKnob, p.delayTime);
    setKnob (delayFeedbackKnob, p.delayFeedback);
    setKnob (effectMixKnob, p.effectMix);

    applyWaveformRules (p, notification);
}

void BasicViewComponent::applyWaveformRules (const BXVandoriumPreset& p, juce::NotificationType notification)
{
    const std::pair<juce::Slider*, const char*> scanKnobs[] = { { &scanRateKnob, "SCAN RATE" },
                                                                { &scanAmountKnob, "SCAN AMOUNT" },
                                                                { &scanPositionKnob, "SCAN POS" } };

    for (const auto& [knob, label] : scanKnobs)
    {
        if (WaveformRules::usesScanning (p.waveform))
        {
            knob->setAlpha (1.0f);
            knob->setEnabled (true);
            ParameterControls::updateSliderTooltip (*knob);
        }
        else
        {
            knob->setValue (0, notification);
            knob->setAlpha (0.5f);
            knob->setEnabled (false);
            knob->setTooltip (WaveformRules::unusedBy (label, p.waveform));
        }
    }
}

void BasicViewComponent::sendAllParameters (const BXVandoriumPreset& p)
{
    auto& sender = context.sender;
    const auto send = [&sender] (const juce::Component& control, int value)
    { ParameterControls::sendValue (sender, control, value); };
    const auto scanning = waveformList.getSelectedId() >= 4;

    send (scaleList, scaleList.getSelectedItemIndex());
    send (rootNoteList, rootNoteList.getSelectedItemIndex());
    send (pitchCorrectionKnob, (int) pitchCorrectionKnob.getValue());
    send (waveformList, waveformList.getSelectedItemIndex());

    for (auto* knob : { &scanRateKnob, &scanAmountKnob, &scanPositionKnob })
        send (*knob, scanning ? (int) knob->getValue() : 0);

    send (filterTypeList, filterTypeList.getSelectedItemIndex());
    send (filterCutoffKnob, (int) filterCutoffKnob.getValue());
    send (filterResonanceKnob, (int) filterResonanceKnob.getValue());
    send (filterPitchTrackKnob, (int) filterPitchTrackKnob.getValue());

    if (const auto text = effectText (p.effect))
        sender.sendEffectName (*text);

    send (delayTimeKnob, (int) delayTimeKnob.getValue());
    send (delayFeedbackKnob, (int) delayFeedbackKnob.getValue());
    send (effectMixKnob, (int) effectMixKnob.getValue());
}
