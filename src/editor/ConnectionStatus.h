#pragma once

#include "device/DeviceLink.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The title strip's line that says, at all times, whether the instrument
    is connected, not connected or being synchronised: a lamp and a caption.
*/
class ConnectionStatus final : public juce::Component
{
public:
    enum class State
    {
        notConnected,
        connected,
        synchronising
    };

    ConnectionStatus() { setName ("Connection Status"); }

    void setState (State newState)
    {
        if (state != newState)
        {
            state = newState;
            repaint();
        }
    }

    State getState() const noexcept { return state; }

    /** "VANDORIUM CONNECTED", ... */
    juce::String getText() const;

    void paint (juce::Graphics& g) override;

private:
    State state = State::notConnected;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ConnectionStatus)
};
