#pragma once

#include <juce_core/juce_core.h>

#include <string>

/** Appends text as an XML attribute value in UTF-8: ampersand, less-than,
    greater-than and double quote become the predefined entity references;
    every other character is written unchanged.
*/
void appendEscapedAttribute (std::string& destination, const juce::String& text);

/** The same, as a new string. */
juce::String escapedAttribute (const juce::String& text);
