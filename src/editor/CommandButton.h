#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** An image button that runs its command only for a click made with the
    pointer over it: a keyboard-triggered click does nothing.
*/
class CommandButton final : public juce::ImageButton
{
public:
    explicit CommandButton (const juce::String& name)
        : juce::ImageButton (name)
    {
    }

    /** Whether a click reported in this state counts. The framework shows a
        quick mouse click as "down" for a moment, so "down" counts too while
        the pointer is over the button.
    */
    static bool clickCounts (ButtonState state, bool pointerOver) noexcept
    {
        return state == buttonOver || (state == buttonDown && pointerOver);
    }

    std::function<void()> onCommand;

    /** The framework's click callback; public so that a test can click in
        a given state as the mouse would.
    */
    void clicked() override
    {
        if (onCommand != nullptr && clickCounts (getState(), isMouseOver()))
            onCommand();
    }

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (CommandButton)
};
