#pragma once

#include "DesignLayout.h"

#include <juce_graphics/juce_graphics.h>

/** The colours of every window, picture and dialog of the program. */
namespace ProductPalette
{
const juce::Colour backgroundTop { 0xff1b1530 };
const juce::Colour backgroundBottom { 0xff0c0a14 };
const juce::Colour panel { 0xff171227 };
const juce::Colour panelEdge { 0xff3b3060 };
const juce::Colour caption { 0xffcde8e3 };

// Notes and hints: at least 7:1 against every background above, so small
// lettering stays readable at the smallest UI scale.
const juce::Colour dimCaption { 0xffb3abd6 };
const juce::Colour accent { 0xff7d63e0 };
const juce::Colour lcd { DesignLayout::Colours::light };
const juce::Colour lcdText { DesignLayout::Colours::dark };

/** The smallest caption height at the design size. */
constexpr float smallestCaption = 11.0f;
} // namespace ProductPalette
