#pragma once

#include <juce_core/juce_core.h>

/** How many digits the preset lists give a number: at least 2, more for
    lists of 100 rows or longer.
*/
int presetNumberDigits (int numberOfRows) noexcept;

/** The zero-padded number of a row, as the lists show it ("01", "100"). */
juce::String presetNumberText (int rowIndex, int numberOfRows);
