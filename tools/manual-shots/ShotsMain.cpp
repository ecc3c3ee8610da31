// Draws the editor's windows off screen, as the user manual shows them, and
// writes each picture as an EPS file for the typesetter.
//   vandorium-manual-shots OUTPUT_FOLDER

#include "appearance/MenuBarLook.h"
#include "device/SimulatedInstrument.h"
#include "device/VirtualMidiBackend.h"
#include "dialogs/QuickStartDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/SilentUserDialogs.h"
#include "editor/FindComponent.h"
#include "editor/MainComponent.h"
#include "librarymanager/LibraryManagerComponent.h"
#include "model/AppFolders.h"

#include <juce_events/juce_events.h>

#include <iostream>

namespace
{
/** A level-2 EPS holding the picture as RGB samples. */
bool writeEps (const juce::Image& image, const juce::File& file)
{
    juce::MemoryOutputStream out;
    const auto w = image.getWidth(), h = image.getHeight();

    out << "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 " << w << " " << h << "\n%%EndComments\n"
        << "/line " << w * 3 << " string def\n"
        << w << " " << h << " scale\n"
        << w << " " << h << " 8 [" << w << " 0 0 -" << h << " 0 " << h << "]\n"
        << "{ currentfile line readhexstring pop } false 3 colorimage\n";

    const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
    static const char* hex = "0123456789abcdef";

    for (int y = 0; y < h; ++y)
    {
        juce::String row;
        row.preallocateBytes ((size_t) w * 6 + 2);

        for (int x = 0; x < w; ++x)
        {
            const auto c = pixels.getPixelColour (x, y);

            for (auto v : { c.getRed(), c.getGreen(), c.getBlue() })
                row << juce::String::charToString (hex[v >> 4]) << juce::String::charToString (hex[v & 15]);
        }

        out << row << "\n";
    }

    out << "showpage\n%%EOF\n";
    return file.replaceWithData (out.getData(), out.getDataSize());
}

juce::Image shrunk (const juce::Image& image, float factor)
{
    return image.rescaled (juce::roundToInt ((float) image.getWidth() * factor), juce::roundToInt ((float) image.getHeight() * factor), juce::Graphics::highResamplingQuality);
}

/** The main window's menu bar with its one menu open and "Settings" under
    the mouse, drawn by the same look as on screen.
*/
juce::Image menuPicture()
{
    MenuBarLook look;
    juce::MenuBarComponent bar;
    bar.setLookAndFeel (&look);
    bar.setSize (360, 24);

    constexpr int itemHeight = 26, separatorHeight = 9, menuWidth = 260;
    juce::Image picture (juce::Image::RGB, 360, 24 + 2 * itemHeight + separatorHeight + 24, true);
    juce::Graphics g (picture);
    g.fillAll (juce::Colour (0xff16102e));

    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (0, 0, 360, 24);
        look.drawMenuBarBackground (g, 360, 24, true, bar);
        const auto itemWidth = look.getMenuBarItemWidth (bar, 0, "Menu");
        look.drawMenuBarItem (g, itemWidth, 24, 0, "Menu", true, true, true, bar);
    }

    g.setOrigin ({ 0, 24 });
    const auto menuHeight = 2 * itemHeight + separatorHeight + 4;
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (0, 0, menuWidth, menuHeight);
        look.drawPopupMenuBackground (g, menuWidth, menuHeight);
    }

    int y = 2;
    look.drawPopupMenuItem (g, { 0, y, menuWidth, itemHeight }, false, true, true, false, false, "Settings", {}, nullptr, nullptr);
    y += itemHeight;
    look.drawPopupMenuItem (g, { 0, y, menuWidth, separatorHeight }, true, true, false, false, false, {}, {}, nullptr, nullptr);
    y += separatorHeight;
    look.drawPopupMenuItem (g, { 0, y, menuWidth, itemHeight }, false, true, false, false, false, "Brax Music's Website", {}, nullptr, nullptr);

    bar.setLookAndFeel (nullptr);
    return picture;
}
} // namespace

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: vandorium-manual-shots OUTPUT_FOLDER" << std::endl;
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI framework;
    const auto output = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);
    output.createDirectory();

    // The pictures show a first start, with its own temporary folders.
    const auto scratch = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vandorium-shots-" + juce::Uuid().toString());
    auto folders = AppFolders::fromSystem();
    folders.applicationData = scratch.getChildFile ("application data");
    folders.documents = scratch.getChildFile ("documents");
    AppFolders::substitute (folders);

    EditorSettings settings;
    settings.load (folders);

    VirtualMidiBackend backend;
    SimulatedInstrument instrument (backend);
    const BXVandoriumLibrary factoryBank (folders.resources.getChildFile ("VANDORIUM FACTORY.vandorium").getFullPathName(), true);
    instrument.setBank (factoryBank.presets);
    DevicePorts ports (backend);
    SilentUserDialogs dialogs;
    int failures = 0;

    {
        EditorSession session ({ ports, settings, dialogs });
        MainComponent main (session);
        session.sendLibraryToDevice (factoryBank);
        auto& libraryList = *findComponent<juce::ListBox> (main, "Library Presets");
        libraryList.selectRow (0);
        findComponent<juce::ListBox> (main, "Vandorium Presets")->selectRow (4);
        libraryList.selectRow (0);

        const std::pair<const char*, const char*> views[] = { { "Basic View", "shot-basic.eps" },
                                                              { "Advanced View", "shot-advanced.eps" },
                                                              { "Global View", "shot-global.eps" } };

        for (const auto& [buttonName, name] : views)
        {
            findComponent<juce::ToggleButton> (main, buttonName)->setToggleState (true, juce::sendNotificationSync);
            const auto picture = shrunk (main.createComponentSnapshot (main.getLocalBounds()), 0.5f);

            if (! writeEps (picture, output.getChildFile (name)))
                ++failures;
        }

        // The library manager on "ALL", finding the lead sounds.
        LibraryManagerComponent manager (session);
        findComponent<juce::ListBox> (manager, "Libraries")->selectRow (0);
        manager.setSearchText ("LEAD");

        if (! writeEps (shrunk (manager.createComponentSnapshot (manager.getLocalBounds()), 0.6f), output.getChildFile ("shot-manager.eps")))
            ++failures;
    }

    {
        SettingsSwitches switches (settings, dialogs);
        settings.firmwareVersion = "2.14";
        SettingsDialog settingsDialog (switches);
        QuickStartDialog quickStart (switches);

        const std::pair<juce::Image, const char*> pictures[] = {
            { shrunk (settingsDialog.createComponentSnapshot (settingsDialog.getLocalBounds()), 0.6f), "shot-settings.eps" },
            { shrunk (quickStart.createComponentSnapshot (quickStart.getLocalBounds()), 0.6f), "shot-quickstart.eps" },
            { menuPicture(), "shot-menu.eps" },
        };

        for (const auto& [picture, name] : pictures)
            if (! writeEps (picture, output.getChildFile (name)))
                ++failures;
    }

    ports.closeDevicePorts();
    scratch.deleteRecursively();
    return failures == 0 ? 0 : 1;
}
