#include "TextWrap.h"

juce::StringArray fillLinesWithWords (const juce::StringArray& words, const juce::Font& font, float width)
{
    juce::StringArray lines;
    juce::String line;

    for (const auto& word : words)
    {
        const auto candidate = line.isEmpty() ? word : line + " " + word;

        if (line.isNotEmpty() && font.getStringWidthFloat (candidate) > width)
        {
            lines.add (line);
            line = word;
        }
        else
        {
            line = candidate;
        }
    }

    lines.add (line);
    return lines;
}
