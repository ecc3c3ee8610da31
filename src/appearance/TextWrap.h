#pragma once

#include <juce_graphics/juce_graphics.h>

/** Fills lines with words, in order, as many to a line as fit a width in a
    font; a word wider than the width gets a line of its own.
*/
juce::StringArray fillLinesWithWords (const juce::StringArray& words, const juce::Font& font, float width);
