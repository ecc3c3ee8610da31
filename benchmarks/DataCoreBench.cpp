#include "DataCoreBench.h"

#include "BenchUtil.h"

#include "model/BXVandoriumLibrary.h"
#include "model/BankDump.h"
#include "model/PresetFields.h"
#include "model/SafeFileReader.h"
#include "model/SafeFileWriter.h"
#include "model/XmlFile.h"

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

    const auto [load, oldFloor] = fastestOfPaired (
        15, [&]
        { BXVandoriumLibrary loaded (file.getFullPathName(), false); },
        [&]
        { auto xml = juce::XmlDocument::parse (file); });
    const auto [bareParse, readOnly] = fastestOfPaired (
        15, [&]
        {
                                                            XmlFile xml;
                                                            xml.load (file); },
        [&]
        { readWholeFile (file, XmlFile::maxFileBytes); });
    printFigure ("load (read, parse, decode 10,000 presets)", load, "ms");
    printFigure ("old floor: XmlDocument::parse of the file", oldFloor, "ms");
    printFigure ("load / old floor (target < 1.0)", load / oldFloor, "x");
    printFigure ("  of which reading the file", readOnly, "ms");
    printFigure ("  of which reading and parsing (pugixml)", bareParse, "ms");

    const auto bytes = library.toFileBytes();
    const auto [save, durableFloor] = fastestOfPaired (
        15, [&]
        { library.save(); },
        [&]
        { replaceFileContent (file, bytes.data(), bytes.size()); });
    printFigure ("save (text, durable write, read-back check)", save, "ms");
    printFigure ("floor: durable write of the same bytes", durableFloor, "ms");
    printFigure ("save / durable floor (target <= 2.0)", save / durableFloor, "x");
    printFigure ("  of which building the text", medianMilliseconds (9, [&]
                                                                     { library.toFileBytes(); }),
                 "ms");
    printFigure ("  of which the read-back check (read and parse)", medianMilliseconds (9, [&]
                                                                                        {
                                                                                           XmlFile xml;
                                                                                           xml.load (file, XmlFile::Detail::structure); }),
                 "ms");
    printFigure ("floor: File::replaceWithText, not synced", medianMilliseconds (9, [&]
                                                                                 { file.replaceWithText (text, false, false, nullptr); }),
                 "ms");

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
