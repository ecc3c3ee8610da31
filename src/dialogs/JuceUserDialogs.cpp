#include "JuceUserDialogs.h"

namespace
{
// Every box stays above the editor's windows, the library manager included:
// a box hidden behind a window would leave the editor waiting for an answer
// the user cannot see.
void keepOnTop (juce::AlertWindow& window)
{
    window.setAlwaysOnTop (true);
}
} // namespace

void JuceUserDialogs::showNotice (const juce::String& title, const juce::String& message)
{
    auto* window = new juce::AlertWindow (title, message, juce::MessageBoxIconType::WarningIcon, associatedComponent.getComponent());
    window->addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey));
    keepOnTop (*window);
    window->enterModalState (true, nullptr, true);
}

bool JuceUserDialogs::confirm (const juce::String& message)
{
    juce::AlertWindow window ("Confirmation", message, juce::MessageBoxIconType::QuestionIcon, associatedComponent.getComponent());
    window.addButton ("YES", 1, juce::KeyPress (juce::KeyPress::returnKey));
    window.addButton ("NO", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    keepOnTop (window);
    return window.runModalLoop() == 1;
}

int JuceUserDialogs::choose (const juce::String& title, const juce::String& message, const juce::StringArray& buttons)
{
    juce::AlertWindow window (title, message, juce::MessageBoxIconType::WarningIcon, nullptr);

    for (int i = 0; i < buttons.size(); ++i)
        window.addButton (buttons[i], i);

    keepOnTop (window);
    return window.runModalLoop();
}

std::optional<juce::String> JuceUserDialogs::promptForText (const juce::String& title, const juce::String& message, const juce::String& fieldName, const juce::String& initialText)
{
    juce::AlertWindow window (title, message, juce::MessageBoxIconType::NoIcon, nullptr);
    window.addTextEditor (fieldName, initialText);
    window.addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    window.addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey));

    // The text field has the keyboard: its Return is the "OK".
    if (auto* field = window.getTextEditor (fieldName))
        field->onReturnKey = [&window]
        { window.exitModalState (1); };

    keepOnTop (window);

    if (window.runModalLoop() != 1)
        return std::nullopt;

    return window.getTextEditorContents (fieldName);
}

std::optional<juce::File> JuceUserDialogs::chooseFileToOpen (const juce::String& title, const juce::File& startFolder, const juce::String& patterns)
{
    juce::FileChooser chooser (title, startFolder, patterns);

    if (! chooser.browseForFileToOpen())
        return std::nullopt;

    return chooser.getResult();
}

std::optional<juce::File> JuceUserDialogs::chooseFileToSave (const juce::String& title, const juce::File& suggested, const juce::String& patterns)
{
    juce::FileChooser chooser (title, suggested, patterns);

    if (! chooser.browseForFileToSave (true))
        return std::nullopt;

    return chooser.getResult();
}

void JuceUserDialogs::wait (int milliseconds)
{
    // The editor does not answer while it waits: paint what is on screen now
    // (a dialog just closed leaves a hole) and show that it is busy.
    auto& desktop = juce::Desktop::getInstance();

    for (int i = 0; i < desktop.getNumComponents(); ++i)
    {
        if (auto* window = desktop.getComponent (i); window != nullptr && window->isShowing())
        {
            window->repaint();

            if (auto* peer = window->getPeer())
                peer->performAnyPendingRepaintsNow();
        }
    }

    juce::MouseCursor::showWaitCursor();
    juce::Thread::sleep (milliseconds);
    juce::MouseCursor::hideWaitCursor();
}
