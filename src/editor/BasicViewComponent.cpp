#include "BasicViewComponent.h"

#include "AdvancedViewComponent.h"
#include "ParameterControls.h"
#include "WaveformRules.h"
#include "app/UiScale.h"
#include "appearance/DesignLayout.h"
#include "device/ControllerMap.h"
#include "model/PresetFields.h"

namespace
{
using ParameterControls::Tooltip;

const juce::StringArray scaleItems { "CHROMATIC", "IONIAN", "DORIAN", "PHRYGIAN", "LYDIAN", "MIXOLYDIAN", "AEOLIAN", "LOCRIAN", "MAJ BLUES", "MIN BLUES", "DIMINISHED", "MAJ PENTA", "MIN PENTA", "SPANISH", "GYPSY", "ARABIAN", "EGYPTIAN", "RYUKYU", "WHOLETONE", "MAJOR 3RD", "MINOR 3RD", "5TH" };
const juce::StringArray rootNoteItems { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };
const juce::StringArray waveformItems { "SINE", "TRIANGLE", "SUPER SAW", "AURORA 1", "BRIGHT", "HOLLOW", "OPALINE" };
const juce::StringArray filterTypeItems { "OFF", "LOWPASS", "BANDPASS", "HIGHPASS", "NOTCH" };
const juce::StringArray effectItems { "OFF", "SHORT DELAY", "MED DELAY", "LONG DELAY" };

} // namespace

//==============================================================================
BasicViewComponent::BasicViewComponent (ViewContext c)
    : context (c)
{
    using namespace ParameterControls;

    setUpList (scaleList, *this, scaleItems, *this);
    setUpList (rootNoteList, *this, rootNoteItems, *this);
    setUpKnob (pitchCorrectionKnob, *this, 0, 127, *this);
    setUpList (waveformList, *this, waveformItems, *this);
    setUpKnob (scanRateKnob, *this, 0, 16383, *this);
    setUpKnob (scanAmountKnob, *this, 0, 16383, *this);
    setUpKnob (scanPositionKnob, *this, 0, 16383, *this);
    setUpList (filterTypeList, *this, filterTypeItems, *this);
    setUpKnob (filterCutoffKnob, *this, 0, 127, *this);
    setUpKnob (filterResonanceKnob, *this, 0, 127, *this);
    setUpKnob (filterPitchTrackKnob, *this, 0, 16383, *this);
    setUpList (effectList, *this, effectItems, *this);
    setUpKnob (delayTimeKnob, *this, 0, 13695, *this);
    setUpKnob (delayFeedbackKnob, *this, 0, 16383, *this);
    setUpKnob (effectMixKnob, *this, 0, 127, *this);

    setSize (DesignLayout::Views::width, DesignLayout::Views::height);

    scaleList.setSelectedId (2, juce::dontSendNotification);
    rootNoteList.setSelectedId (1, juce::dontSendNotification);
    waveformList.setSelectedId (7, juce::dontSendNotification);
    filterTypeList.setSelectedId (2, juce::dontSendNotification);
    effectList.setText ("PRESET", juce::dontSendNotification);
    filterCutoffKnob.setValue (127, juce::dontSendNotification);
    filterPitchTrackKnob.setValue (8192, juce::dontSendNotification);

    const struct
    {
        juce::Component* control;
        const char* field;
        std::optional<Tooltip> tooltip;
    } settings[] = {
        { &scaleList, "scale", {} },
        { &rootNoteList, "rootNote", {} },
        { &pitchCorrectionKnob, "pitchCorrection", Tooltip { 2, 0, 100, 0 } },
        { &waveformList, "waveform", {} },
        { &scanRateKnob, "scanRate", Tooltip { 4, 0, 32, 1 } },
        { &scanAmountKnob, "scanAmount", Tooltip { 1, 0, 2, 2 } },
        { &scanPositionKnob, "scanPosition", Tooltip { 1, 0, 2, 2 } },
        { &filterTypeList, "filterType", {} },
        { &filterCutoffKnob, "filterCutoff", Tooltip { 2, 0, 100, 2 } },
        { &filterResonanceKnob, "filterResonance", Tooltip { 2, 0, 100, 0 } },
        { &filterPitchTrackKnob, "filterPitchTrack", Tooltip { 2, -800, 800, 0 } },
        { &effectList, "effect", {} },
        { &delayTimeKnob, "delayTime", Tooltip { 5, 0, 16384, 0 } },
        { &delayFeedbackKnob, "delayFeedback", Tooltip { 2, 0, 100, 0 } },
        { &effectMixKnob, "effectMix", Tooltip { 2, 0, 100, 0 } },
    };

    for (const auto& s : settings)
    {
        fields[s.control] = findPresetField (s.field);

        if (s.control != &effectList)
            setDescriptor (*s.control, ControllerMap::descriptorFor (s.control->getName()));

        if (s.tooltip.has_value())
        {
            setTooltipSettings (*s.control, *s.tooltip);
            updateSliderTooltip (*static_cast<juce::Slider*> (s.control));
        }
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
    static const char* texts[] = { "OFF", "SHORT DELAY", "MED DELAY", "LONG DELAY", "PRESET" };

    if (effect < 0 || effect > 4)
        return std::nullopt;

    return juce::String (texts[effect]);
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

    const struct
    {
        const char* text;
        int effect;
        float time, feedback;
    } choices[] = { { "OFF", 0, 0.0f, 0.0f }, { "SHORT DELAY", 1, 0.1f, 0.1f }, { "MED DELAY", 2, 0.256f, 0.2f }, { "LONG DELAY", 3, 0.7f, 0.3f } };

    if (text == "PRESET")
    {
        context.preset.effect = 4;
        return;
    }

    for (const auto& choice : choices)
    {
        if (text != choice.text)
            continue;

        context.preset.effect = (juce::uint16) choice.effect;
        delayTimeKnob.setValue (maximumTime * choice.time, juce::sendNotificationSync);
        delayFeedbackKnob.setValue (maximumFeedback * choice.feedback, juce::sendNotificationSync);
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
