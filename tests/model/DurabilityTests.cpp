// A process killed at any moment of a save never leaves a damaged library
// or settings file, and its temporary files are gone after the next start.

#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"
#include "model/SafeFileWriter.h"
#include "model/XmlFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
int countTemporaryFiles (const juce::File& folder)
{
    return folder.getNumberOfChildFiles (juce::File::findFiles, juce::String ("*") + temporaryFileSuffix);
}
} // namespace

TEST (Durability, KilledSavesLeaveCompleteFilesAndNoTemporaryFiles)
{
    TempFolder temp;
    EditorSettings settings;
    settings.load (temp.folders());
    ASSERT_TRUE (settings.save());

    BXVandoriumLibrary library (settings.libraryFolder + "BIG.vandorium", false);
    library.presets.resize (10000);
    ASSERT_TRUE (library.save());

    const auto libraryFolder = fileForPath (settings.libraryFolder);
    const auto settingsFolder = fileForPath (settings.settingsFolder);
    juce::Random random (7);
    int killsMidWrite = 0;

    for (int round = 0; round < 30; ++round)
    {
        juce::ChildProcess child;
        ASSERT_TRUE (child.start (juce::StringArray { VANDORIUM_SAVE_LOOP_PATH, temp.getRoot().getFullPathName() }, 0));
        juce::Thread::sleep (20 + random.nextInt (180));
        ASSERT_TRUE (child.isRunning()) << "the save loop stopped by itself, exit code " << (int) child.getExitCode();
        child.kill();
        child.waitForProcessToFinish (5000);

        if (countTemporaryFiles (libraryFolder) + countTemporaryFiles (settingsFolder) > 0)
            ++killsMidWrite;

        BXVandoriumLibrary::LoadReport report;
        const BXVandoriumLibrary reloaded (library.getFilePath(), false, report);
        ASSERT_EQ (report.fileProblem, BXVandoriumLibrary::LoadReport::FileProblem::none) << "round " << round;
        ASSERT_EQ (reloaded.presets.size(), 10000u) << "round " << round;

        XmlFile settingsXml;
        settingsXml.load (settings.getSettingsFile());
        ASSERT_EQ (settingsXml.problem, XmlFile::Problem::none) << "round " << round;

        // The next start clears what the killed write left.
        EditorSettings nextStart;
        nextStart.load (temp.folders());
        EXPECT_EQ (countTemporaryFiles (libraryFolder) + countTemporaryFiles (settingsFolder), 0);
        EXPECT_EQ (libraryFolder.getNumberOfChildFiles (juce::File::findFiles, "*"), 1) << "round " << round;
    }

    // Otherwise the test proved nothing about interrupted writes.
    EXPECT_GT (killsMidWrite, 0);
}
