#pragma once

#include "dialogs/DocumentOpener.h"
#include "dialogs/ModalDialogRunner.h"

#include <functional>
#include <vector>

/** Records every modal dialog and lets the test act in it; the result is
    what the script returns (0, as for Escape, without a script).
*/
class ScriptedModalRunner final : public ModalDialogRunner
{
public:
    int runModal (juce::Component& content, const juce::String& title, juce::Component* centreAround) override
    {
        shown.push_back ({ title, content.getWidth(), content.getHeight(), centreAround });
        ++openNow;
        const auto result = script != nullptr ? script (content, title) : 0;
        --openNow;
        return result;
    }

    struct Shown
    {
        juce::String title;
        int width, height;
        juce::Component* centreAround;
    };

    juce::StringArray titles() const
    {
        juce::StringArray t;

        for (const auto& s : shown)
            t.add (s.title);

        return t;
    }

    std::function<int (juce::Component&, const juce::String&)> script;
    std::vector<Shown> shown;
    int openNow = 0;
};

/** Records what was asked to be opened; fails with a reason when told to. */
class RecordingOpener final : public DocumentOpener
{
public:
    void open (const juce::String& fileOrAddress, Failed failed) override
    {
        opened.add (fileOrAddress);

        if (failureReason.isNotEmpty() && failed != nullptr)
            failed (failureReason);
    }

    juce::StringArray opened;
    juce::String failureReason;
};
