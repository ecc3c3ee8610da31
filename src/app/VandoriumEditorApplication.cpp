#include "VandoriumEditorApplication.h"

#include <malloc.h>

#include "CommandLineHelp.h"
#include "ConnectionCheck.h"
#include "ProcessExit.h"
#include "StartupTrace.h"
#include "appearance/ResourceLoader.h"
#include "dialogs/JuceUserDialogs.h"
#include "dialogs/SystemDocumentOpener.h"
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
void VandoriumEditorApplication::useShippedDefaultTypeface()
{
    const auto shipped = [] (const char* name) -> juce::Typeface::Ptr
    {
        const auto typeface = ResourceLoader::getInstance().getResourceFont (name, 1.0f).getTypefacePtr();
        return dynamic_cast<juce::CustomTypeface*> (typeface.get()) != nullptr ? typeface : nullptr;
    };

    if (auto regular = shipped ("Caption"); regular != nullptr)
    {
        defaultLook = std::make_unique<DefaultLook> (regular, shipped ("CaptionBold"));
        juce::LookAndFeel::setDefaultLookAndFeel (defaultLook.get());
    }
}

void VandoriumEditorApplication::initialise (const juce::String& commandLine)
{
    const auto arguments = juce::StringArray::fromTokens (commandLine, true);

    // Answered before anything needs a display.
    if (arguments.contains ("--help") || arguments.contains ("-h") || arguments.contains ("--version"))
    {
        std::cout << (arguments.contains ("--version") ? CommandLineHelp::versionText() : CommandLineHelp::helpText()) << std::flush;
        quit();
        return;
    }

    // The typefaces load while the display opens and the settings are read.
    ResourceLoader::getInstance().preloadTypefaces ({ "LCDFont", "Caption", "CaptionBold" });

    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
    {
        std::cerr << "Vandorium Editor needs a display: start it from a desktop session, or under xvfb-run." << std::endl;
        setApplicationReturnValue (1);
        quit();
        return;
    }

    const auto demo = arguments.contains ("--demo");

    if (demo)
    {
        // A demo never touches the user's own settings, libraries or bank cache.
        demoFolder = DemoFolder::create();
        auto folders = AppFolders::fromSystem();
        folders.applicationData = demoFolder.getChildFile ("application data");
        folders.documents = demoFolder.getChildFile ("documents");
        AppFolders::substitute (folders);
    }

    // The first frame's pictures decode on worker threads while the
    // settings load and the window is built.
    ResourceLoader::getInstance().preloadImages ({ "Editor_BASIC", "Knob Big", "Knob Big Bipolar", "Round Button HD", "Scrollbar Knob HD", "SAVE Button HD", "DELETE Button HD", "QUICK SAVE Button HD", "Folder Button HD", "Sync Button HD" },
                                                 "png");

    quitOnSignals = std::make_unique<QuitOnSignals>();
    auto& settings = EditorSettings::getInstance();

    if (settings.showQuickStartGuide)
        ResourceLoader::getInstance().preloadImages ({ "Editor Quick Start", "Checkbox" }, "png");

    devices = std::make_unique<DeviceEnvironment> (demo);
    auto juceDialogs = std::make_unique<JuceUserDialogs>();
    auto* confirmationParent = juceDialogs.get();
    dialogs = std::move (juceDialogs);
    documentOpener = std::make_unique<SystemDocumentOpener>();
    // Before the first window: from here on fonts are used on this thread.
    // Text without a face of its own uses the shipped one; the framework
    // would otherwise scan every installed font on its first text.
    ResourceLoader::getInstance().waitForTypefaces();
    useShippedDefaultTypeface();
    mainWindow = std::make_unique<MainWindow> (EditorSession::Services { devices->getPorts(), settings, *dialogs }, dialogRunner, *documentOpener);
    confirmationParent->setAssociatedComponent (&mainWindow->getMainComponent());
}

void VandoriumEditorApplication::shutdown()
{
    mainWindow = nullptr;
    quitOnSignals = nullptr;
    devices = nullptr;
    // The opener reports its failures through the dialogs: it goes first.
    documentOpener = nullptr;
    dialogs = nullptr;
    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    defaultLook = nullptr;
    ResourceLoader::getInstance().releaseTypefaces();

    if (demoFolder != juce::File())
        demoFolder.deleteRecursively();
}

//==============================================================================
VandoriumEditorApplication::MainWindow::MainWindow (EditorSession::Services services, ModalDialogRunner& runner, DocumentOpener& opener)
    // Put on the desktop once, with its native title bar: created with the
    // framework's own title bar first, the window would be built twice.
    : juce::DocumentWindow (BuildInfo::productName,
                            juce::Colour (0xffd3d3d3),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                            false)
    , help ({ services.settings, services.dialogs, runner, opener, ResourceLoader::getInstance().getResourceFolder() })
{
    session = std::make_unique<EditorSession> (services);
    mainComponent = new MainComponent (*session);
    // Taken now: the window stretches its content as its frame changes below.
    const auto designSize = mainComponent->getLocalBounds();
    mainComponent->setHelpCommands (&help);
    mainComponent->onOpenLibraryManager() = [this]
    { LibraryManagerDialog::open (*session, mainComponent); };
    setContentOwned (mainComponent, true);
    setUsingNativeTitleBar (true);

    // Here the native title bar and frame lie outside the window's bounds,
    // so the window is the content plus the menu bar: the whole design shows.
    menuBar.mainComponent = mainComponent;
    setMenuBar (&menuBar, mainMenuBarHeight);

    if (auto* bar = getMenuBarComponent())
        bar->setLookAndFeel (&menuBarLook);
    setContentComponentSize (designSize.getWidth(), designSize.getHeight());

    centreWithSize (getWidth(), getHeight());
    addToDesktop();
    setVisible (true);

    // The guide comes after the window appears and before the instrument is
    // looked for.
    if (services.settings.showQuickStartGuide)
    {
        help.showQuickStartGuide (mainComponent);
        grabKeyboardFocus();
    }

    runStartUpChecks (services.dialogs);
}

VandoriumEditorApplication::MainWindow::~MainWindow()
{
    if (auto* bar = getMenuBarComponent())
        bar->setLookAndFeel (nullptr);

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

void VandoriumEditorApplication::MainWindow::paintOverChildren (juce::Graphics&)
{
    if (firstFramePainted)
        return;

    // Painted over every child: the window's first frame is complete.
    firstFramePainted = true;
    StartupTrace::firstPaintDone();

    // Decoding the pictures and scanning the fonts left freed buffers in the
    // heap: they go back to the system, so the editor holds what it uses.
    juce::MessageManager::callAsync ([]
                                     { malloc_trim (0); });
}

void VandoriumEditorApplication::MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}

//==============================================================================
juce::PopupMenu VandoriumEditorApplication::MainWindow::MenuBar::getMenuForIndex (int, const juce::String&)
{
    juce::PopupMenu menu;
    menu.addItem (settingsItem, "Settings");
    menu.addSeparator();
    menu.addItem (websiteItem, "Brax Music's Website");
    return menu;
}

void VandoriumEditorApplication::MainWindow::MenuBar::menuItemSelected (int menuItemID, int)
{
    if (mainComponent == nullptr || (menuItemID != settingsItem && menuItemID != websiteItem))
        return;

    // After the menu has closed and the window under it has been repainted:
    // the settings dialog runs a modal loop of its own.
    juce::MessageManager::callAsync ([main = juce::Component::SafePointer<MainComponent> (mainComponent), menuItemID]
                                     {
                                         if (main == nullptr)
                                             return;

                                         if (menuItemID == settingsItem)
                                             main->showSettingsDialog();
                                         else
                                             main->openMakerWebsite(); });
}
