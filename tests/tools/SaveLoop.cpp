// Saves a 10,000-preset library and the settings over and over until it is
// killed; the durability test kills it at random moments.
//   vandorium-save-loop ROOT

#include "model/AppFolders.h"
#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"

#include <iostream>

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: vandorium-save-loop ROOT\n";
        return 64;
    }

    const juce::File root (juce::String::fromUTF8 (argv[1]));
    EditorSettings settings;
    settings.load ({ root.getChildFile ("appdata"), root.getChildFile ("documents"), root.getChildFile ("Resources"), {} });

    BXVandoriumLibrary library (settings.libraryFolder + "BIG.vandorium", false);

    if (library.presets.size() != 10000)
        return 2;

    for (juce::uint8 round = 0;; ++round)
    {
        settings.showTooltips = ! settings.showTooltips;
        settings.save();

        library.presets[0].volume = (juce::uint8) (round & 0x7f);
        library.save();
    }
}
