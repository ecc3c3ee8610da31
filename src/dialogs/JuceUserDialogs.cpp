#include "JuceUserDialogs.h"

#include "MessageBody.h"
#include "appearance/ResourceLoader.h"

namespace
{
/** A box in the program's look: the title, then the icon and the message as
    a body that keeps the message's own line breaks. It owns its body and
    shares the look, which it keeps alive: a notice still open at shutdown
    may outlive the dialogs.
*/
class ProductAlertWindow final : public juce::AlertWindow
{
public:
    ProductAlertWindow (std::shared_ptr<MessageBoxLook> sharedLook, const juce::String& title, const juce::String& message, MessageBody::Icon icon, juce::Component* associated)
        : juce::AlertWindow (title, juce::String(), juce::MessageBoxIconType::NoIcon, associated)
        , look (std::move (sharedLook))
        , body (icon, message)
    {
        setLookAndFeel (look.get());
        addCustomComponent (&body);
        body.setDescription (message);

        // Every box stays above the editor's windows, the library manager
        // included: a box hidden behind a window would leave the editor
        // waiting for an answer the user cannot see.
        setAlwaysOnTop (true);
    }

    ~ProductAlertWindow() override
    {
        removeCustomComponent (0);
        setLookAndFeel (nullptr);
    }

private:
    std::shared_ptr<MessageBoxLook> look;
    MessageBody body;
};
} // namespace

JuceUserDialogs::JuceUserDialogs() = default;
JuceUserDialogs::~JuceUserDialogs() = default;

void JuceUserDialogs::showNotice (const juce::String& title, const juce::String& message)
{
    auto* window = new ProductAlertWindow (look, title, message, MessageBody::Icon::warning, associatedComponent.getComponent());
    window->addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey), juce::KeyPress (juce::KeyPress::escapeKey));
    window->enterModalState (true, nullptr, true);
}

bool JuceUserDialogs::confirm (const juce::String& message)
{
    auto window = std::make_unique<ProductAlertWindow> (look, "Confirmation", message, MessageBody::Icon::question, associatedComponent.getComponent());
    window->addButton ("YES", 1, juce::KeyPress (juce::KeyPress::returnKey));
    window->addButton ("NO", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    const auto result = window->runModalLoop();
    return result == 1;
}

int JuceUserDialogs::choose (const juce::String& title, const juce::String& message, const juce::StringArray& buttons)
{
    auto window = std::make_unique<ProductAlertWindow> (look, title, message, MessageBody::Icon::warning, nullptr);

    for (int i = 0; i < buttons.size(); ++i)
        window->addButton (buttons[i], i);

    const auto result = window->runModalLoop();
    return result;
}

std::optional<juce::String> JuceUserDialogs::promptForText (const juce::String& title, const juce::String& message, const juce::String& fieldName, const juce::String& initialText)
{
    auto window = std::make_unique<ProductAlertWindow> (look, title, message, MessageBody::Icon::none, nullptr);
    window->addTextEditor (fieldName, initialText);
    window->addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));
    window->addButton ("OK", 1, juce::KeyPress (juce::KeyPress::returnKey));

    if (auto* field = window->getTextEditor (fieldName))
    {
        // The name in the instrument's own LCD lettering.
        field->setFont (getResourceFont ("LCDFont", 18.0f).withHeight (18.0f));
        field->applyFontToAllText (field->getFont());

        // The text field has the keyboard: its Return is the "OK".
        field->onReturnKey = [w = window.get()]
        { w->exitModalState (1); };
    }

    const auto result = window->runModalLoop();
    const auto text = window->getTextEditorContents (fieldName);
    return result == 1 ? std::optional<juce::String> (text) : std::nullopt;
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
