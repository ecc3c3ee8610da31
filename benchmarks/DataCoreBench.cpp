#include "DataCoreBench.h"

#include "BenchUtil.h"

#include "model/BXVandoriumLibrary.h"
#include "model/BankDump.h"
#include "model/PresetFields.h"
#include "model/SafeFileWriter.h"

void runDataCoreBenchmarks()
{
    constexpr int numPresets = 10000;

    const auto folder = juce::File::getSpecialLocation (juce::File::tempDirectory)
                            .getNonexistentChildFile ("vandorium-bench-", "", false);
    folder.createDirectory();
    const auto file = folder.getChildFile ("BENCH.vandorium");

    juce::Random random (42);
    BXVandoriumLibrary library (file.getFullPathName(), false);

    for (int i = 0; i < numPresets; ++i)
    {
        BXVandoriumPreset preset;
        preset.name = "PRESET & " + juce::String (i);

        for (const auto& field : presetFields())
            field.set (preset, random.nextInt (std::min (field.maximum, 16383) + 1));

        library.presets.push_back (preset);
    }

    library.save();
    const auto text = library.toFileText();

    std::cout << "Library of " << numPresets << " presets (" << file.getSize() / 1024 << " KiB), fastest of 15 paired runs\n";

    const auto load = medianMilliseconds (9, [&]
                                          { BXVandoriumLibrary loaded (file.getFullPathName(), false); });
    const auto parseFloor = medianMilliseconds (9, [&]
                                                { auto xml = juce::XmlDocument::parse (file); });
    printFigure ("load", load, "ms");
    printFigure ("floor: XmlDocument::parse of the file", parseFloor, "ms");
    printFigure ("load / floor (target <= 1.5)", load / parseFloor, "x");

    const auto save = medianMilliseconds (9, [&]
                                          { library.save(); });
    const auto writeFloor = medianMilliseconds (9, [&]
                                                { file.replaceWithText (text, false, false, nullptr); });
    printFigure ("save", save, "ms");
    const auto bytes = library.toFileBytes();
    printFigure ("  of which building the text", medianMilliseconds (9, [&]
                                                                     { library.toFileBytes(); }),
                 "ms");
    const auto durableFloor = medianMilliseconds (9, [&]
                                                  { replaceFileContent (file, bytes.data(), bytes.size()); });
    printFigure ("floor, durable: temp file, fsync, move", durableFloor, "ms");
    printFigure ("save / durable floor", save / durableFloor, "x");
    printFigure ("floor: File::replaceWithText of the same bytes", writeFloor, "ms");
    printFigure ("save / floor (target <= 2.0)", save / writeFloor, "x");

    std::vector<BXVandoriumPreset> bank (library.presets.begin(), library.presets.begin() + 32);
    juce::MemoryBlock payload;
    constexpr int repeats = 1000;

    const auto encode = medianMilliseconds (5, [&]
                                            { for (int i = 0; i < repeats; ++i) payload = encodeBankDump (bank); });
    const auto decode = medianMilliseconds (5, [&]
                                            { for (int i = 0; i < repeats; ++i) decodeBankDump (payload); });
    printFigure ("encodeBankDump, 32 presets", encode * 1000.0 / repeats, "us");
    printFigure ("decodeBankDump, 32 presets", decode * 1000.0 / repeats, "us");

    folder.deleteRecursively();
}
