#pragma once

#include <juce_core/juce_core.h>

#include <algorithm>
#include <functional>
#include <iostream>
#include <vector>

/** Runs a job several times and gives the median time in milliseconds. */
inline double medianMilliseconds (int runs, const std::function<void()>& job)
{
    std::vector<double> times;

    for (int i = 0; i < runs; ++i)
    {
        const auto start = juce::Time::getMillisecondCounterHiRes();
        job();
        times.push_back (juce::Time::getMillisecondCounterHiRes() - start);
    }

    std::sort (times.begin(), times.end());
    return times[times.size() / 2];
}

/** Times two jobs in alternation and gives the fastest run of each, so that
    noise from the rest of the machine hits both alike and falls out.
*/
inline std::pair<double, double> fastestOfPaired (int runs, const std::function<void()>& first, const std::function<void()>& second)
{
    double bestFirst = 1.0e9, bestSecond = 1.0e9;

    for (int i = 0; i < runs; ++i)
    {
        auto start = juce::Time::getMillisecondCounterHiRes();
        first();
        bestFirst = std::min (bestFirst, juce::Time::getMillisecondCounterHiRes() - start);

        start = juce::Time::getMillisecondCounterHiRes();
        second();
        bestSecond = std::min (bestSecond, juce::Time::getMillisecondCounterHiRes() - start);
    }

    return { bestFirst, bestSecond };
}

inline void printFigure (const juce::String& what, double value, const juce::String& unit)
{
    std::cout << "  " << what.paddedRight (' ', 52) << juce::String (value, 3).paddedLeft (' ', 12) << " " << unit << "\n";
}
