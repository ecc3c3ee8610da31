#pragma once

#include <algorithm>
#include <vector>

/** A list of listeners that may add or remove listeners, themselves
    included, while they are being called: each call walks a copy and skips
    a listener removed meanwhile. Single-threaded, like the callers.
*/
template <typename ListenerType>
class Listeners final
{
public:
    void add (ListenerType* listener)
    {
        if (listener != nullptr && std::find (list.begin(), list.end(), listener) == list.end())
            list.push_back (listener);
    }

    void remove (ListenerType* listener) { list.erase (std::remove (list.begin(), list.end(), listener), list.end()); }

    template <typename Callback>
    void call (Callback&& callback)
    {
        const auto snapshot = list;

        for (auto* listener : snapshot)
            if (std::find (list.begin(), list.end(), listener) != list.end())
                callback (*listener);
    }

private:
    std::vector<ListenerType*> list;
};
