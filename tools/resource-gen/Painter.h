#pragma once

#include "appearance/DesignLayout.h"
#include "appearance/ProductPalette.h"

#include <juce_graphics/juce_graphics.h>

/** Drawing helpers shared by every generated picture. Everything is drawn in
    design coordinates; the caller's transform gives the pixel size.
*/
namespace Painter
{
namespace Palette = ProductPalette;

/** The captions' typeface: a bold sans from the system, loaded once. */
juce::Font captionFont (float height, bool bold = true);

/** A caption centred in an area, spaced out a little. */
void caption (juce::Graphics&, const juce::String& text, juce::Rectangle<float> area, float height = 11.0f, juce::Colour colour = Palette::caption, juce::Justification justification = juce::Justification::centred);

/** The caption line under a control's rectangle. */
void captionBelow (juce::Graphics&, const juce::String& text, juce::Rectangle<int> control, float gap = 2.0f);

/** The caption line above a control's rectangle. */
void captionAbove (juce::Graphics&, const juce::String& text, juce::Rectangle<int> control, float gap = 2.0f);

/** The light LCD panel behind a list, combo box or read-out, with a bezel. */
void lcdPanel (juce::Graphics&, juce::Rectangle<int> area, float corner = 5.0f);

/** A recessed panel that groups controls. */
void groupPanel (juce::Graphics&, juce::Rectangle<float> area, const juce::String& title = {});

/** The vertical gradient of a window's background. */
void windowBackground (juce::Graphics&, int width, int height);

/** The product logo "VANDORIUM" and the maker's logo "BRAX" in their areas. */
void productLogo (juce::Graphics&, juce::Rectangle<float> area);
void makerLogo (juce::Graphics&, juce::Rectangle<float> area);

/** A rotary knob with its value arc at a proportion 0..1, filling the area;
    the arc starts at the minimum, or at the centre for a knob centred at zero.
*/
void knob (juce::Graphics&, juce::Rectangle<float> area, float proportion, bool big, bool fromCentre = false);

/** The soft dark well a knob or button sits in, drawn on backgrounds. */
void controlWell (juce::Graphics&, juce::Rectangle<int> area);
} // namespace Painter
