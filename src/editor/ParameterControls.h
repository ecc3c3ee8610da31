#pragma once

#include "model/ParameterTable.h"
#include "model/PresetFields.h"

#include <juce_gui_basics/juce_gui_basics.h>

class DeviceSender;

/** How parameter controls are set up, how their tooltips read, and how a
    change reaches the instrument. The behaviour lives in the controls'
    properties ("MidiMsg" and the tooltip settings), so one listener per
    view serves all its controls.
*/
namespace ParameterControls
{
using Tooltip = ParameterTable::Tooltip;

/** Gives a control what the parameter table says of it: its range (knobs),
    its "MidiMsg" descriptor and its tooltip settings. Returns its record
    field, or nullptr for the instrument-wide settings.
*/
const PresetField* applyParameter (juce::Component& control);

/** A rotary knob without text box over the range, interval 1, with the listener. */
void setUpKnob (juce::Slider& knob, juce::Component& parent, double minimum, double maximum, juce::Slider::Listener& listener);

/** The same, over the range the parameter table gives the knob's name. */
void setUpKnob (juce::Slider& knob, juce::Component& parent, juce::Slider::Listener& listener);

/** An LCD-style list: not editable, centred, with items of ids 1, 2, ... */
void setUpList (juce::ComboBox& list, juce::Component& parent, const juce::StringArray& items, juce::ComboBox::Listener& listener);

/** Stores the descriptor under "MidiMsg". */
void setDescriptor (juce::Component& control, int descriptor);

/** The descriptor under "MidiMsg"; 0 when there is none. */
int descriptorOf (const juce::Component& control);

/** Stores the four tooltip properties. */
void setTooltipSettings (juce::Component& control, const Tooltip& tooltip);

/** The text the tooltip settings give for the slider's value, or nothing
    when the slider has no "tooltipsMode".
*/
std::optional<juce::String> tooltipTextFor (const juce::Slider& slider);

/** The slider's value in its displayed range ("tooltipsMinimunValue" to
    "tooltipsMaximunValue"), rounded half away from zero.
*/
int displayedValue (const juce::Slider& slider);

/** Sets the slider's tooltip to tooltipTextFor (left untouched without a mode). */
void updateSliderTooltip (juce::Slider& slider);

/** Sends a value as the control's descriptor says. */
void sendValue (DeviceSender& sender, const juce::Component& control, int value);
} // namespace ParameterControls
