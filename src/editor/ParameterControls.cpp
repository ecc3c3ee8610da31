#include "ParameterControls.h"

#include "device/DeviceSender.h"

namespace ParameterControls
{
void setUpKnob (juce::Slider& knob, juce::Component& parent, double minimum, double maximum, juce::Slider::Listener& listener)
{
    parent.addAndMakeVisible (knob);
    knob.setRange (minimum, maximum, 1.0);
    knob.setSliderStyle (juce::Slider::RotaryHorizontalVerticalDrag);
    knob.setTextBoxStyle (juce::Slider::NoTextBox, true, 80, 20);
    knob.addListener (&listener);
}

void setUpKnob (juce::Slider& knob, juce::Component& parent, juce::Slider::Listener& listener)
{
    const auto* parameter = ParameterTable::find (knob.getName());
    jassert (parameter != nullptr); // every knob has its line in the parameter table
    setUpKnob (knob, parent, parameter != nullptr ? parameter->minimum : 0, parameter != nullptr ? parameter->maximum : 127, listener);
}

const PresetField* applyParameter (juce::Component& control)
{
    const auto* parameter = ParameterTable::find (control.getName());
    jassert (parameter != nullptr);

    if (parameter == nullptr)
        return nullptr;

    if (auto* knob = dynamic_cast<juce::Slider*> (&control))
        knob->setRange (parameter->minimum, parameter->maximum, 1.0);

    if (parameter->descriptor != 0)
        setDescriptor (control, parameter->descriptor);

    if (parameter->tooltip.has_value())
        setTooltipSettings (control, *parameter->tooltip);

    return parameter->presetField != nullptr ? findPresetField (parameter->presetField) : nullptr;
}

void setUpList (juce::ComboBox& list, juce::Component& parent, const juce::StringArray& items, juce::ComboBox::Listener& listener)
{
    parent.addAndMakeVisible (list);
    list.setEditableText (false);
    list.setJustificationType (juce::Justification::centred);
    list.setTextWhenNothingSelected ({});
    list.setTextWhenNoChoicesAvailable ("(no choices)");

    for (int i = 0; i < items.size(); ++i)
        list.addItem (items[i], i + 1);

    list.addListener (&listener);
}

void setDescriptor (juce::Component& control, int descriptor)
{
    control.getProperties().set ("MidiMsg", descriptor);
}

int descriptorOf (const juce::Component& control)
{
    return (int) control.getProperties().getWithDefault ("MidiMsg", 0);
}

void setTooltipSettings (juce::Component& control, const Tooltip& tooltip)
{
    auto& properties = control.getProperties();
    properties.set ("tooltipsMode", tooltip.mode);
    properties.set ("tooltipsMinimunValue", tooltip.minimum);
    properties.set ("tooltipsMaximunValue", tooltip.maximum);
    properties.set ("tooltipsDigits", tooltip.digits);
}

namespace
{
// Rounds half away from zero, as the read-outs do.
int roundAway (float x) noexcept
{
    return (int) (x >= 0.0f ? x + 0.5f : x - 0.5f);
}

juce::String printed (const char* format, double value)
{
    char buffer[32];
    std::snprintf (buffer, sizeof (buffer), format, value);
    return buffer;
}
} // namespace

namespace
{
float proportionOf (const juce::Slider& slider)
{
    return (float) ((slider.getValue() - slider.getMinimum()) / (slider.getMaximum() - slider.getMinimum()));
}

float displayed (const juce::NamedValueSet& properties, const char* name)
{
    return (float) (double) properties.getWithDefault (name, 0.0);
}
} // namespace

int displayedValue (const juce::Slider& slider)
{
    const auto& properties = slider.getProperties();
    const auto minimum = displayed (properties, "tooltipsMinimunValue");
    const auto maximum = displayed (properties, "tooltipsMaximunValue");
    return roundAway ((maximum - minimum) * proportionOf (slider) + minimum);
}

std::optional<juce::String> tooltipTextFor (const juce::Slider& slider)
{
    const auto& properties = slider.getProperties();

    if (! properties.contains ("tooltipsMode"))
        return std::nullopt;

    const auto mode = (int) properties["tooltipsMode"];
    const auto digits = (int) properties.getWithDefault ("tooltipsDigits", 0);
    const auto minimum = displayed (properties, "tooltipsMinimunValue");
    const auto maximum = displayed (properties, "tooltipsMaximunValue");

    const auto value = slider.getValue();
    const auto t = proportionOf (slider);

    switch (mode)
    {
        case 1:
        case 2:
        case 4:
        {
            const auto p = std::pow (10.0f, (float) digits);
            const auto r = roundAway (p * ((maximum - minimum) * t + minimum));
            const auto format = juce::String ("%.") + juce::String (digits) + "f" + (mode == 2 ? " %%" : mode == 4 ? " Hz"
                                                                                                                   : "");
            return printed (format.toRawUTF8(), (double) ((float) r / p));
        }

        case 3:
            return juce::String (displayedValue (slider)) + " Semitones";

        case 5:
            return juce::String (roundAway ((float) (value * 1000.0 / (double) maximum))) + " ms";

        default:
            return juce::String();
    }
}

void updateSliderTooltip (juce::Slider& slider)
{
    if (const auto text = tooltipTextFor (slider))
        slider.setTooltip (*text);
}

void sendValue (DeviceSender& sender, const juce::Component& control, int value)
{
    sender.sendPackedMessage (descriptorOf (control), value);
}
} // namespace ParameterControls
