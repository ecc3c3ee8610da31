#include "PresetNumbering.h"

int presetNumberDigits (int numberOfRows) noexcept
{
    int digits = 1;

    // Counting digits avoids log10 of an empty list.
    for (int n = numberOfRows; n >= 10; n /= 10)
        ++digits;

    return std::max (2, digits);
}

juce::String presetNumberText (int rowIndex, int numberOfRows)
{
    return juce::String (rowIndex + 1).paddedLeft ('0', presetNumberDigits (numberOfRows));
}
