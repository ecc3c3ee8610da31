#pragma once

#include "dialogs/UserDialogs.h"

#include <deque>

/** Dialogs that record every box and give scripted answers; no modal loop.
    A question without a scripted answer is recorded and answered as if the
    user had cancelled.
*/
class ScriptedDialogs final : public UserDialogs
{
public:
    struct Box
    {
        juce::String kind, title, message;
        juce::StringArray buttons;
        juce::String initialText;
    };

    void showNotice (const juce::String& title, const juce::String& message) override
    {
        boxes.push_back ({ "notice", title, message, { "OK" }, {} });
    }

    bool confirm (const juce::String& message) override
    {
        boxes.push_back ({ "confirm", "Confirmation", message, { "YES", "NO" }, {} });
        return take (confirmations, false);
    }

    int choose (const juce::String& title, const juce::String& message, const juce::StringArray& buttons) override
    {
        boxes.push_back ({ "choose", title, message, buttons, {} });
        return take (choices, 0);
    }

    std::optional<juce::String> promptForText (const juce::String& title, const juce::String& message, const juce::String&, const juce::String& initialText) override
    {
        boxes.push_back ({ "prompt", title, message, { "Cancel", "OK" }, initialText });
        return take (texts, std::optional<juce::String>());
    }

    std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::File&, const juce::String&) override
    {
        boxes.push_back ({ "open", title, {}, {}, {} });
        return take (files, std::optional<juce::File>());
    }

    std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::File&, const juce::String&) override
    {
        boxes.push_back ({ "save", title, {}, {}, {} });
        return take (files, std::optional<juce::File>());
    }

    void wait (int milliseconds) override
    {
        waits.push_back (milliseconds);

        if (onWait != nullptr)
            onWait();
    }

    /** The boxes of one kind ("notice", "confirm", "choose", "prompt"). */
    std::vector<Box> ofKind (const juce::String& kind) const
    {
        std::vector<Box> found;

        for (const auto& box : boxes)
            if (box.kind == kind)
                found.push_back (box);

        return found;
    }

    std::vector<Box> boxes;
    std::deque<bool> confirmations;
    std::deque<int> choices;
    std::deque<std::optional<juce::String>> texts;
    std::deque<std::optional<juce::File>> files;
    std::vector<int> waits;
    std::function<void()> onWait;

private:
    template <typename Queue, typename Value>
    static Value take (Queue& queue, Value fallback)
    {
        if (queue.empty())
            return fallback;

        auto value = queue.front();
        queue.pop_front();
        return value;
    }
};
