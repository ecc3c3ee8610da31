// Every input that ever made a fuzz target fail, and the seeds, run through
// the same entry points as ordinary tests.

#include "fuzz/FuzzEntries.h"

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

TEST (FuzzRegressions, EveryKeptInputPasses)
{
    const juce::File corpus (VANDORIUM_FUZZ_REGRESSIONS);
    int inputs = 0;

    for (const auto& target : FuzzEntries::targets())
    {
        for (const auto& seed : FuzzEntries::seedsFor (target.name))
            EXPECT_EQ (target.entry (reinterpret_cast<const std::uint8_t*> (seed.data()), seed.size()), "") << target.name << " seed";

        for (const auto& file : corpus.getChildFile (target.name).findChildFiles (juce::File::findFiles | juce::File::ignoreHiddenFiles, false))
        {
            juce::MemoryBlock bytes;
            ASSERT_TRUE (file.loadFileAsData (bytes));
            EXPECT_EQ (target.entry (static_cast<const std::uint8_t*> (bytes.getData()), bytes.getSize()), "") << target.name << "/" << file.getFileName();
            ++inputs;
        }
    }

    EXPECT_GT (inputs, 0) << "no regression inputs found in " << corpus.getFullPathName();
}
