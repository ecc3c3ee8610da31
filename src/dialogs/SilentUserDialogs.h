#pragma once

#include "UserDialogs.h"

/** Dialogs that ask nothing and answer "no": for tools that drive the editor
    without a user (benchmarks, the manual's pictures).
*/
class SilentUserDialogs final : public UserDialogs
{
public:
    void showNotice (const juce::String&, const juce::String&) override {}
    bool confirm (const juce::String&) override { return false; }
    int choose (const juce::String&, const juce::String&, const juce::StringArray&) override { return 0; }
    std::optional<juce::String> promptForText (const juce::String&, const juce::String&, const juce::String&, const juce::String&) override { return {}; }
    std::optional<juce::File> chooseFileToOpen (const juce::String&, const juce::File&, const juce::String&) override { return {}; }
    std::optional<juce::File> chooseFileToSave (const juce::String&, const juce::File&, const juce::String&) override { return {}; }
    void wait (int) override {}
};
