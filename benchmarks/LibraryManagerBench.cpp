#include "LibraryManagerBench.h"

#include "BenchUtil.h"

#include "device/VirtualMidiBackend.h"
#include "dialogs/SilentUserDialogs.h"
#include "editor/FindComponent.h"
#include "librarymanager/LibraryManagerComponent.h"
#include "model/AppFolders.h"

void runLibraryManagerBenchmarks()
{
    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("vandorium-bench-" + juce::Uuid().toString());
    folder.createDirectory();

    EditorSettings settings;
    settings.load ({ folder.getChildFile ("appdata"), folder.getChildFile ("documents"), AppFolders::resourceFolderBesideExecutable(), {} });

    for (int l = 0; l < 100; ++l)
    {
        BXVandoriumLibrary library (settings.libraryFolder + juce::String::formatted ("LIBRARY %03d", l) + ".vandorium", false);

        for (int p = 0; p < 100; ++p)
        {
            BXVandoriumPreset preset;
            preset.name = juce::String::formatted ("SOUND %03d %03d", l, p).substring (0, 13);
            library.presets.push_back (preset);
        }

        library.save();
    }

    VirtualMidiBackend backend;
    DevicePorts ports (backend);
    SilentUserDialogs dialogs;
    EditorSession session ({ ports, settings, dialogs });

    std::cout << "Library manager, 100 user libraries of 100 presets\n";

    const auto open = medianMilliseconds (5, [&]
                                          {
                                              LibraryManagerComponent manager (session);
                                              manager.createComponentSnapshot (manager.getLocalBounds()); });
    printFigure ("open to its first paint, off screen (target < 150)", open, "ms");

    LibraryCatalogue catalogue (settings.libraryFolder, settings.getResourceFolder());
    int n = 0;
    const auto reload = medianMilliseconds (5, [&]
                                            { catalogue.createLibrary ("BENCH NEW " + juce::String (++n)); });
    printFigure ("\"New\" with its reload of every library (target < 100)", reload, "ms");

    LibraryManagerComponent manager (session);
    auto& libraries = *findComponent<juce::ListBox> (manager, "Libraries");
    auto& presets = *findComponent<juce::ListBox> (manager, "Presets");
    libraries.selectRow (0);
    presets.scrollToEnsureRowIsOnscreen (presets.getModel()->getNumRows() / 2);
    std::cout << "  (\"ALL\" holds " << presets.getModel()->getNumRows() << " rows)\n";

    const auto repaint = medianMilliseconds (9, [&]
                                             { presets.createComponentSnapshot (presets.getLocalBounds()); });
    printFigure ("repaint of the presets list on \"ALL\" (target < 5)", repaint, "ms");

    // Typing a name into the search field, one keystroke at a time, on "ALL":
    // the filter, the list's update and the repaint of what shows.
    const juce::String typed = "SOUND 042 07";
    const auto keystroke = medianMilliseconds (9, [&]
                                               {
                                                   for (int i = 1; i <= typed.length(); ++i)
                                                   {
                                                       manager.setSearchText (typed.substring (0, i));
                                                       presets.createComponentSnapshot (presets.getLocalBounds());
                                                   } })
                           / typed.length();
    std::cout << "  (\"" << typed << "\" shows " << presets.getModel()->getNumRows() << " rows)\n";
    printFigure ("one keystroke in the search field on \"ALL\", with its repaint (target < 5)", keystroke, "ms");

    // The broadest text: every preset matches, the list shows all 10,000 rows.
    const auto broad = medianMilliseconds (9, [&]
                                           {
                                               manager.setSearchText ("S");
                                               presets.createComponentSnapshot (presets.getLocalBounds()); });
    printFigure ("a keystroke that matches every preset (\"S\"), with its repaint", broad, "ms");
    manager.setSearchText ({});

    folder.deleteRecursively();
}
