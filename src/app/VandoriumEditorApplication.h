#pragma once

#include "DeviceEnvironment.h"
#include "ProcessExit.h"
#include "appearance/DefaultLook.h"
#include "appearance/MenuBarLook.h"
#include "dialogs/HelpCommands.h"
#include "dialogs/UserDialogs.h"
#include "editor/MainComponent.h"
#include "model/BuildInfo.h"

#include <juce_gui_basics/juce_gui_basics.h>

/** The application object: loads the settings, then owns the main window
    from initialise to shutdown. "--demo" runs the editor against a
    simulated instrument, with its files in a temporary folder.
*/
class VandoriumEditorApplication final : public juce::JUCEApplication
{
public:
    //==============================================================================
    VandoriumEditorApplication() = default;

    const juce::String getApplicationName() override { return BuildInfo::productName; }
    const juce::String getApplicationVersion() override { return BuildInfo::version; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void systemRequestedQuit() override { quit(); }
    void anotherInstanceStarted (const juce::String&) override {}

    //==============================================================================
    class MainWindow final : public juce::DocumentWindow
    {
    public:
        MainWindow (EditorSession::Services services, ModalDialogRunner& runner, DocumentOpener& opener);
        ~MainWindow() override;

        void closeButtonPressed() override;
        void paintOverChildren (juce::Graphics&) override;

        MainComponent& getMainComponent() const { return *mainComponent; }

        /** The menu bar's model: one menu, "Menu", with the settings and the
            maker's website.
        */
        class MenuBar final : public juce::MenuBarModel
        {
        public:
            enum ItemIds
            {
                settingsItem = 1,
                websiteItem = 2
            };

            MenuBar() = default;

            juce::StringArray getMenuBarNames() override { return { "Menu" }; }
            juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;
            void menuItemSelected (int menuItemID, int topLevelMenuIndex) override;

            MainComponent* mainComponent = nullptr;
        };

    private:
        void runStartUpChecks (UserDialogs& userDialogs);

        // Before the content: the main component shows the session to its end
        // and calls the help commands.
        std::unique_ptr<EditorSession> session;
        HelpCommands help;
        MenuBarLook menuBarLook;
        MenuBar menuBar;
        MainComponent* mainComponent = nullptr; // owned by the window as its content
        bool firstFramePainted = false;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
    };

private:
    void useShippedDefaultTypeface();

    std::unique_ptr<DefaultLook> defaultLook;
    std::unique_ptr<DeviceEnvironment> devices;
    std::unique_ptr<UserDialogs> dialogs;
    DialogWindowRunner dialogRunner;
    std::unique_ptr<DocumentOpener> documentOpener;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<QuitOnSignals> quitOnSignals;
    juce::File demoFolder;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VandoriumEditorApplication)
};
