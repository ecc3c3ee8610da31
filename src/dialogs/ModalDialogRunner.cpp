#include "ModalDialogRunner.h"

int DialogWindowRunner::runModal (juce::Component& content, const juce::String& title, juce::Component* centreAround)
{
    juce::DialogWindow::LaunchOptions options;
    options.content.setNonOwned (&content);
    options.dialogTitle = title;
    options.dialogBackgroundColour = juce::Colour (0xff101010);
    options.componentToCentreAround = centreAround;
    options.escapeKeyTriggersCloseButton = true;
    options.useNativeTitleBar = false;
    options.resizable = false;
    options.useBottomRightCornerResizer = false;

#if JUCE_MODAL_LOOPS_PERMITTED
    std::unique_ptr<juce::DialogWindow> window (options.create());
    window->setLookAndFeel (&look);
    const auto result = window->runModalLoop();
    window->setLookAndFeel (nullptr);
    window = nullptr;

    // Without a compositing window manager the window under the dialog may
    // get no exposure event: it is repainted here, not left showing the dialog.
    if (centreAround != nullptr)
        centreAround->getTopLevelComponent()->repaint();

    return result;
#else
    jassertfalse;
    return 0;
#endif
}

bool DialogWindowRunner::closeDialogHolding (juce::Component& content, int result)
{
    if (auto* window = content.findParentComponentOfClass<juce::DialogWindow>())
    {
        window->exitModalState (result);
        return true;
    }

    return false;
}
