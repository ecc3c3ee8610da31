// The floor of the start-up benchmark: a bare window of the editor's size,
// built from the same framework with the same flags, and nothing else.

#include "app/StartupTrace.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class BareWindow final : public juce::DocumentWindow
{
public:
    BareWindow()
        : juce::DocumentWindow ("Bare Window", juce::Colour (0xffd3d3d3), juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton, true)
    {
        setUsingNativeTitleBar (true);
        content.setSize (1024, 792);
        setContentNonOwned (&content, true);
        centreWithSize (getWidth(), getHeight());
        setVisible (true);
    }

    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }
    void paintOverChildren (juce::Graphics&) override { StartupTrace::firstPaintDone(); }

private:
    struct Content final : public juce::Component
    {
        void paint (juce::Graphics& g) override { g.fillAll (juce::Colour (0xff171227)); }
    };

    Content content;
};

class BareApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    void initialise (const juce::String&) override { window = std::make_unique<BareWindow>(); }
    void shutdown() override { window = nullptr; }

private:
    std::unique_ptr<BareWindow> window;
};
} // namespace

START_JUCE_APPLICATION (BareApplication)
