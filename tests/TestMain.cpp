// One process-wide set-up for every test: the framework is initialised and
// the process's folders point into a temporary folder, so no test ever
// touches the real home folder.

#include "support/TempFolder.h"

#include "model/AppFolders.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI framework;

    // Temporary user folders; the resource folder is the one the build filled.
    TempFolder processFolders;
    auto folders = processFolders.folders();
    folders.resources = juce::File (VANDORIUM_BUILT_RESOURCES);
    AppFolders::substitute (folders);

    return RUN_ALL_TESTS();
}
