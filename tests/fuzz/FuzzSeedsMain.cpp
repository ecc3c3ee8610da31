// Writes the seed inputs of every fuzz target into FOLDER/TARGET/.
//   vandorium-fuzz-seeds FOLDER

#include "FuzzEntries.h"

#include <juce_core/juce_core.h>

#include <iostream>

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::cerr << "usage: vandorium-fuzz-seeds FOLDER\n";
        return 64;
    }

    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (juce::String::fromUTF8 (argv[1])));

    for (const auto& target : FuzzEntries::targets())
    {
        const auto targetFolder = folder.getChildFile (target.name);
        targetFolder.createDirectory();
        int n = 0;

        for (const auto& seed : FuzzEntries::seedsFor (target.name))
            if (! targetFolder.getChildFile ("seed-" + juce::String (++n)).replaceWithData (seed.data(), seed.size()) && ! seed.empty())
                return 2;
    }

    return 0;
}
