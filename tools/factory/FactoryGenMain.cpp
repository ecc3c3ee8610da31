// Writes every "<NAME>.txt" preset source of a folder as "<NAME>.vandorium"
// with the editor's own library writer.

#include "model/BXVandoriumLibrary.h"
#include "model/PresetText.h"

#include <juce_core/juce_core.h>

#include <iostream>

int main (int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: vandorium-factory-gen SOURCE_FOLDER OUTPUT_FOLDER" << std::endl;
        return 2;
    }

    const juce::File sourceFolder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const juce::File outputFolder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));
    outputFolder.createDirectory();

    int failures = 0;

    for (const auto& source : sourceFolder.findChildFiles (juce::File::findFiles, false, "*.txt"))
    {
        const auto parsed = parsePresetText (source.loadFileAsString());

        for (const auto& error : parsed.errors)
            std::cerr << source.getFileName() << ", " << error << std::endl;

        if (! parsed.errors.isEmpty())
        {
            ++failures;
            continue;
        }

        // Written as an ordinary file: the editor opens it as a factory library.
        BXVandoriumLibrary library (outputFolder.getChildFile (source.getFileNameWithoutExtension() + ".vandorium").getFullPathName(), false);
        library.presets = parsed.presets;

        if (! library.save())
        {
            std::cerr << "cannot write " << library.getFilePath() << std::endl;
            ++failures;
        }
    }

    return failures == 0 ? 0 : 1;
}
