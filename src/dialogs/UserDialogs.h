#pragma once

#include <juce_core/juce_core.h>

#include <optional>

/** Every message box, confirmation, prompt, file chooser and blocking wait
    of the editor. The application shows real windows; tests script the
    answers and never enter a modal loop. The interface needs no GUI module,
    so the editor's session can use it without a window.
*/
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    /** An asynchronous notice with the warning icon and "OK" ("Error",
        "Information", "ALERT !", "Sync Error"); returns at once.
    */
    virtual void showNotice (const juce::String& title, const juce::String& message) = 0;

    /** A modal "Confirmation" with the question icon and "YES" / "NO";
        true for "YES".
    */
    virtual bool confirm (const juce::String& message) = 0;

    /** A modal box with the warning icon and buttons that give the results
        0, 1, ... in order; returns the result of the button pressed.
    */
    virtual int choose (const juce::String& title, const juce::String& message, const juce::StringArray& buttons) = 0;

    /** A modal prompt with one text field and "Cancel" (Escape) and "OK";
        the typed text for "OK", nothing for "Cancel".
    */
    virtual std::optional<juce::String> promptForText (const juce::String& title, const juce::String& message, const juce::String& fieldName, const juce::String& initialText) = 0;

    /** A file to read, or nothing when the user cancels. */
    virtual std::optional<juce::File> chooseFileToOpen (const juce::String& title, const juce::File& startFolder, const juce::String& patterns) = 0;

    /** A file to write, or nothing when the user cancels. */
    virtual std::optional<juce::File> chooseFileToSave (const juce::String& title, const juce::File& suggested, const juce::String& patterns) = 0;

    /** Blocks the message thread, for the pauses the instrument needs. */
    virtual void wait (int milliseconds) = 0;
};
