#include "VandoriumEditorApplication.h"

#include "ConnectionCheck.h"
#include "ProcessExit.h"
#include "appearance/ResourceLoader.h"
#include "dialogs/JuceUserDialogs.h"
#include "librarymanager/LibraryManagerComponent.h"
#include "model/EditorSettings.h"

namespace
{
constexpr int mainMenuBarHeight = 24;

/** The start-up check's view of the main component. */
struct MainComponentConnection final : public ConnectionCheckTarget
{
    explicit MainComponentConnection (MainComponent& m)
        : main (m)
    {
    }

    void openDevicePorts() override { main.getSession().openDevicePorts(); }
    bool isDeviceConnected() override { return main.getSession().isDeviceConnected(); }
    void repaintForRetry() override { main.repaint(); }

    MainComponent& main;
};
} // namespace

//==============================================================================
void VandoriumEditorApplication::initialise (const juce::String& commandLine)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
    {
        std::cerr << "Vandorium Editor needs a display; without one, run it as: xvfb-run -a scripts/run" << std::endl;
        setApplicationReturnValue (1);
        quit();
        return;
    }

    const auto demo = juce::StringArray::fromTokens (commandLine, true).contains ("--demo");

    if (demo)
    {
        // A demo never touches the user's own settings, libraries or bank cache.
        demoFolder = DemoFolder::create();
        auto folders = AppFolders::fromSystem();
        folders.applicationData = demoFolder.getChildFile ("application data");
        folders.documents = demoFolder.getChildFile ("documents");
        AppFolders::substitute (folders);
    }

    quitOnSignals = std::make_unique<QuitOnSignals>();
    auto& settings = EditorSettings::getInstance();
    devices = std::make_unique<DeviceEnvironment> (demo);
    auto juceDialogs = std::make_unique<JuceUserDialogs>();
    auto* confirmationParent = juceDialogs.get();
    dialogs = std::move (juceDialogs);
    mainWindow = std::make_unique<MainWindow> (EditorSession::Services { devices->getPorts(), settings, *dialogs });
    confirmationParent->setAssociatedComponent (&mainWindow->getMainComponent());
}

void VandoriumEditorApplication::shutdown()
{
    mainWindow = nullptr;
    quitOnSignals = nullptr;
    devices = nullptr;
    dialogs = nullptr;
    ResourceLoader::getInstance().releaseTypefaces();

    if (demoFolder != juce::File())
        demoFolder.deleteRecursively();
}

//==============================================================================
VandoriumEditorApplication::MainWindow::MainWindow (EditorSession::Services services)
    : juce::DocumentWindow (BuildInfo::productName,
                            juce::Colour (0xffd3d3d3),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                            true)
{
    session = std::make_unique<EditorSession> (services);
    mainComponent = new MainComponent (*session);
    mainComponent->onOpenLibraryManager() = [this]
    { LibraryManagerDialog::open (*session, mainComponent); };
    setContentOwned (mainComponent, true);
    setUsingNativeTitleBar (true);

    // Here the native title bar and frame lie outside the window's bounds,
    // so the window is the content plus the menu bar: the whole design shows.
    menuBar.mainComponent = mainComponent;
    setMenuBar (&menuBar, mainMenuBarHeight);
    setContentComponentSize (mainComponent->getWidth(), mainComponent->getHeight());

    centreWithSize (getWidth(), getHeight());
    setVisible (true);

    runStartUpChecks (services.dialogs);
}

VandoriumEditorApplication::MainWindow::~MainWindow()
{
    setMenuBar (nullptr, 0);

    // The content shows the session: it goes first.
    clearContentComponent();
}

void VandoriumEditorApplication::MainWindow::runStartUpChecks (UserDialogs& userDialogs)
{
    MainComponentConnection connection (*mainComponent);
    runConnectionCheck (connection, userDialogs);
    grabKeyboardFocus();

    session->releaseMonitor();
}

void VandoriumEditorApplication::MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}
