#pragma once

#include <juce_events/juce_events.h>

#include <functional>

/** Runs the message loop until the condition holds or the time is up. */
inline bool pumpUntil (const std::function<bool()>& condition, int timeoutMs = 5000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;

        juce::MessageManager::getInstance()->runDispatchLoopUntil (2);
    }

    return true;
}
