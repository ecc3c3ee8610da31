#pragma once

#include "MessageBoxLook.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** Shows a panel in a modal dialog window and returns the result it closed
    with. The application runs a real modal loop; tests script the result
    and never block.
*/
class ModalDialogRunner
{
public:
    virtual ~ModalDialogRunner() = default;

    /** Blocks until the window closes: the result the panel ended the modal
        state with, 0 for the close button or Escape. The window does not own
        the panel.
    */
    virtual int runModal (juce::Component& content, const juce::String& title, juce::Component* centreAround) = 0;
};

/** The framework's dialog window: background 0xff101010, Escape closes it,
    fixed size, its own title bar.
*/
class DialogWindowRunner final : public ModalDialogRunner
{
public:
    DialogWindowRunner() = default;

    int runModal (juce::Component& content, const juce::String& title, juce::Component* centreAround) override;

    /** Ends the modal state of the dialog window holding this panel; false
        when the panel is in none.
    */
    static bool closeDialogHolding (juce::Component& content, int result);

private:
    MessageBoxLook look;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DialogWindowRunner)
};
