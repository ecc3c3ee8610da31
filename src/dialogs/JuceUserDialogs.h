#pragma once

#include "MessageBoxLook.h"
#include "UserDialogs.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The dialogs as the framework's alert windows and file choosers. */
class JuceUserDialogs final : public UserDialogs
{
public:
    JuceUserDialogs();
    ~JuceUserDialogs() override;

    void showNotice (const juce::String& title, const juce::String& message) override;
    bool confirm (const juce::String& message) override;

    /** The window that confirmations belong to (the main window's content). */
    void setAssociatedComponent (juce::Component* component) { associatedComponent = component; }
    int choose (const juce::String& title, const juce::String& message, const juce::StringArray& buttons) override;
    std::optional<juce::String> promptForText (const juce::String& title, const juce::String& message, const juce::String& fieldName, const juce::String& initialText) override;
    std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::File& startFolder, const juce::String& patterns) override;
    std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::File& suggested, const juce::String& patterns) override;
    void wait (int milliseconds) override;

private:
    std::shared_ptr<MessageBoxLook> look = std::make_shared<MessageBoxLook>();
    juce::Component::SafePointer<juce::Component> associatedComponent;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (JuceUserDialogs)
};
