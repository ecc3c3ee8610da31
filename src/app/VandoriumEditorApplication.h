#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The application object: loads the settings, then owns the main window
    from initialise to shutdown.
*/
class VandoriumEditorApplication final : public juce::JUCEApplication
{
public:
    //==============================================================================
    VandoriumEditorApplication() = default;

    const juce::String getApplicationName() override { return "Vandorium Editor"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void systemRequestedQuit() override { quit(); }
    void anotherInstanceStarted (const juce::String&) override {}

    //==============================================================================
    class MainWindow final : public juce::DocumentWindow
    {
    public:
        MainWindow();
        void closeButtonPressed() override;

    private:
        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
    };

private:
    std::unique_ptr<MainWindow> mainWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VandoriumEditorApplication)
};
