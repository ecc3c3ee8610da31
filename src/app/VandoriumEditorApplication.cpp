#include "VandoriumEditorApplication.h"

#include "UiScale.h"
#include "appearance/ResourceLoader.h"
#include "model/EditorSettings.h"

namespace
{
constexpr int designWidth = 1024;
constexpr int designHeight = 768;
} // namespace

//==============================================================================
void VandoriumEditorApplication::initialise (const juce::String&)
{
    if (juce::Desktop::getInstance().getDisplays().displays.isEmpty())
    {
        std::cerr << "Vandorium Editor needs a display; without one, run it as: xvfb-run -a scripts/run" << std::endl;
        setApplicationReturnValue (1);
        quit();
        return;
    }

    EditorSettings::getInstance();
    mainWindow = std::make_unique<MainWindow>();
}

void VandoriumEditorApplication::shutdown()
{
    mainWindow = nullptr;
    ResourceLoader::getInstance().releaseTypefaces();
}

//==============================================================================
VandoriumEditorApplication::MainWindow::MainWindow()
    : juce::DocumentWindow ("Vandorium Editor",
                            juce::Colour (0xffd3d3d3),
                            juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton,
                            true)
{
    const auto scale = getUiScale();

    auto content = std::make_unique<juce::Component> ("Main Component");
    content->setSize ((int) (designWidth * scale), (int) (designHeight * scale));
    setContentOwned (content.release(), true);

    setUsingNativeTitleBar (true);

    const auto width = (int) (getContentComponent()->getWidth() - 2.25 * scale);
    const auto height = (int) ((float) getContentComponent()->getHeight() - 32.0f * scale + 24.0f - 1.0f);
    setSize (width, height);

    centreWithSize (getWidth(), getHeight());
    setVisible (true);
}

void VandoriumEditorApplication::MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}
