#pragma once

#include <array>

/** The instrument's five effect states: the one table that names them for
    the data block, the name message, the editor's effect list and the delay
    values each named delay sets.
*/
namespace EffectTable
{
struct Effect
{
    const char* name; // as the data block and the instrument spell it
    const char* listText; // as the editor's effect list shows it
    float delayTimeShare; // the delay knobs' positions the named delay sets,
    float feedbackShare; // as shares of their ranges
};

constexpr int presetEffect = 4; // "PRESET": the sound keeps its own delay values

constexpr std::array<Effect, 5> effects { { { "Off", "OFF", 0.0f, 0.0f },
                                            { "Short Delay", "SHORT DELAY", 0.1f, 0.1f },
                                            { "Med Delay", "MED DELAY", 0.256f, 0.2f },
                                            { "Long Delay", "LONG DELAY", 0.7f, 0.3f },
                                            { "PRESET", "PRESET", 0.0f, 0.0f } } };

/** The length of the effect text in a data block (W27..W34). */
constexpr int blockTextLength = 16;
} // namespace EffectTable
