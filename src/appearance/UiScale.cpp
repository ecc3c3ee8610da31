#include "UiScale.h"

#include <juce_gui_basics/juce_gui_basics.h>

float uiScaleForUsableHeight (int height) noexcept
{
    if (height - 32 >= 768)
        return 1.0f;

    return (float) ((height - 56) / 3 * 3) / 768.0f;
}

float getUiScale()
{
    static float cached = -1.0f;

    if (cached != -1.0f)
        return cached;

    cached = 1.0f;

    // Without a display (tests, headless runs) the design size holds.
    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        cached = uiScaleForUsableHeight (display->userArea.getHeight());

    return cached;
}
