#include "GlobalViewComponent.h"

#include "ParameterControls.h"
#include "appearance/DesignLayout.h"
#include "appearance/ResourceLoader.h"
#include "appearance/UiScale.h"

namespace
{
void setUpReadOut (juce::Label& label, juce::Component& parent)
{
    parent.addAndMakeVisible (label);
    label.setFont (juce::Font (15.0f));
    label.setJustificationType (juce::Justification::centred);
    label.setEditable (false, false, false);
    label.setColour (juce::TextEditor::textColourId, juce::Colours::black);
    label.setColour (juce::TextEditor::backgroundColourId, juce::Colour (0x00000000));
}
} // namespace

GlobalViewComponent::GlobalViewComponent (ViewContext c)
    : context (c)
{
    using namespace ParameterControls;

    setUpKnob (masterVolumeKnob, *this, *this);
    setUpKnob (lowNoteKnob, *this, *this);
    setUpKnob (highNoteKnob, *this, *this);
    setUpReadOut (lowNoteLabel, *this);
    setUpReadOut (highNoteLabel, *this);

    setSize (DesignLayout::Views::width, DesignLayout::Views::height);
    lowNoteLabel.setFont (getResourceFont ("LCDFont", 18.0f));
    highNoteLabel.setFont (getResourceFont ("LCDFont", 18.0f));

    masterVolumeKnob.setValue (12288, juce::dontSendNotification);
    lowNoteKnob.setValue (24, juce::dontSendNotification);
    highNoteKnob.setValue (110, juce::dontSendNotification);

    for (auto* knob : { &masterVolumeKnob, &lowNoteKnob, &highNoteKnob })
        applyParameter (*knob);

    updateSliderTooltip (masterVolumeKnob);

    lowNoteLabel.setText (noteLabelText ("LO NOTE", (int) lowNoteKnob.getValue(), nullptr, {}), juce::sendNotificationSync);
    highNoteLabel.setText (noteLabelText ("HI NOTE", (int) highNoteKnob.getValue(), nullptr, {}), juce::sendNotificationSync);
}

GlobalViewComponent::~GlobalViewComponent()
{
    for (auto* child : getChildren())
        child->setLookAndFeel (nullptr);
}

void GlobalViewComponent::applyLookAndFeel (VandoriumLookAndFeel& bigKnobLook, VandoriumLookAndFeel& knobLook)
{
    masterVolumeKnob.setLookAndFeel (&bigKnobLook);
    lowNoteKnob.setLookAndFeel (&knobLook);
    highNoteKnob.setLookAndFeel (&knobLook);

    for (auto* label : { &lowNoteLabel, &highNoteLabel })
    {
        label->setColour (juce::Label::textColourId, juce::Colour (VandoriumLookAndFeel::darkColour));
        label->setFont (getResourceFont ("LCDFont", 18.0f));
    }
}

void GlobalViewComponent::resized()
{
    const auto scale = getUiScale();

    for (auto* child : getChildren())
        child->setBounds (DesignLayout::scaled (DesignLayout::boundsOf (DesignLayout::Global::children, child->getName().toRawUTF8()), scale));
}

//==============================================================================
int GlobalViewComponent::versionNumber (const juce::String& firmwareVersion)
{
    int version = 0;

    for (auto piece : juce::StringArray::fromTokens (firmwareVersion, ".", "\""))
    {
        if (piece.startsWithChar ('v'))
            piece = piece.substring (1);

        version = version * 100 + piece.initialSectionContainingOnly ("0123456789").getIntValue();
    }

    return version;
}

juce::String GlobalViewComponent::noteLabelText (const juce::String& prefix, int note, const BXVandoriumPreset* preset, const juce::String& firmwareVersion)
{
    static const char* names[] = { "C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B " };

    auto d = note + 72;

    if (preset != nullptr && firmwareVersion.isNotEmpty() && versionNumber (firmwareVersion) >= 10100)
        d += preset->transpose - 64;

    return prefix + ":" + names[d % 12] + juce::String (d / 12 - 7);
}

void GlobalViewComponent::updateNoteLabels()
{
    const auto& firmware = context.settings.firmwareVersion;
    lowNoteLabel.setText (noteLabelText ("LO NOTE", (int) lowNoteKnob.getValue(), &context.preset, firmware), juce::sendNotificationSync);
    highNoteLabel.setText (noteLabelText ("HI NOTE", (int) highNoteKnob.getValue(), &context.preset, firmware), juce::sendNotificationSync);
}

void GlobalViewComponent::sliderValueChanged (juce::Slider* knob)
{
    const auto& firmware = context.settings.firmwareVersion;

    // The range can never turn over: a note dragged past the other one is held there.
    if (knob == &lowNoteKnob)
    {
        if (lowNoteKnob.getValue() > highNoteKnob.getValue())
            lowNoteKnob.setValue (highNoteKnob.getValue(), juce::sendNotificationAsync);

        lowNoteLabel.setText (noteLabelText ("LO NOTE", (int) lowNoteKnob.getValue(), &context.preset, firmware), juce::sendNotificationSync);
    }
    else if (knob == &highNoteKnob)
    {
        if (highNoteKnob.getValue() < lowNoteKnob.getValue())
            highNoteKnob.setValue (lowNoteKnob.getValue(), juce::sendNotificationAsync);

        highNoteLabel.setText (noteLabelText ("HI NOTE", (int) highNoteKnob.getValue(), &context.preset, firmware), juce::sendNotificationSync);
    }

    ParameterControls::updateSliderTooltip (*knob);
    ParameterControls::sendValue (context.sender, *knob, (int) knob->getValue());
}
