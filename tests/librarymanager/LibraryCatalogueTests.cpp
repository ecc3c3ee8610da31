#include "librarymanager/LibraryCatalogue.h"
#include "model/BankDumpFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
class LibraryCatalogueTest : public testing::Test
{
protected:
    void SetUp() override
    {
        folder().createDirectory();

        for (auto* factory : { "EDITOR FACTORY", "VANDORIUM FACTORY" })
        {
            BXVandoriumLibrary library (temp.resources().getChildFile (juce::String (factory) + ".vandorium").getFullPathName(), false);
            library.presets.resize (2);
            ASSERT_TRUE (library.save());
        }
    }

    juce::File folder() const { return juce::File (temp.libraryFolder()); }

    void writeLibrary (const juce::String& name, int count) const
    {
        BXVandoriumLibrary library (temp.libraryFolder() + name + ".vandorium", false);

        for (int i = 0; i < count; ++i)
        {
            BXVandoriumPreset preset;
            preset.name = name.substring (0, 8) + " " + juce::String (i + 1);
            library.presets.push_back (preset);
        }

        ASSERT_TRUE (library.save());
    }

    LibraryCatalogue catalogue() const { return LibraryCatalogue (temp.libraryFolder(), temp.resources()); }

    juce::StringArray names (const LibraryCatalogue& c) const
    {
        juce::StringArray result;

        for (const auto& library : c.getLibraries())
            result.add (library.getName());

        return result;
    }

    TempFolder temp;
};
} // namespace

TEST_F (LibraryCatalogueTest, ListsAllTheFactoryLibrariesAndTheUserFilesInNameOrder)
{
    writeLibrary ("Pads", 2);
    writeLibrary ("Basses", 3);
    writeLibrary ("Leads 10", 1);
    writeLibrary ("Leads 9", 1);
    folder().getChildFile (".hidden.vandorium.123-ab.vdtmp").create();

    auto c = catalogue();
    EXPECT_EQ (names (c), (juce::StringArray { "ALL", "EDITOR FACTORY", "VANDORIUM FACTORY", "Basses", "Leads 9", "Leads 10", "Pads" }));
    EXPECT_EQ (c.getLibrary (0).presets.size(), 2u + 2u + 3u + 1u + 1u + 2u);
    EXPECT_FALSE (c.isUserLibrary (0));
    EXPECT_FALSE (c.isUserLibrary (1));
    EXPECT_TRUE (c.isUserLibrary (3));
}

TEST_F (LibraryCatalogueTest, NewProposesTheFirstFreeNameAndSanitisesTheTypedOne)
{
    writeLibrary ("NEW LIBRARY 1", 0);
    writeLibrary ("NEW LIBRARY 2", 0);
    auto c = catalogue();
    EXPECT_EQ (c.proposeNewName(), "NEW LIBRARY 3");

    const auto created = c.createLibrary ("A/B");
    EXPECT_TRUE (created.done);
    EXPECT_TRUE (folder().getChildFile ("A_B.vandorium").existsAsFile());
    EXPECT_EQ (c.getLibrary ((size_t) created.selectedRow).getName(), "A_B");

    for (auto* taken : { "A_B", "all", "Editor Factory" })
    {
        const auto refused = c.createLibrary (taken);
        EXPECT_FALSE (refused.done);
        EXPECT_EQ (refused.error, "A library called '" + juce::String (taken) + "' already exists");
    }
}

TEST_F (LibraryCatalogueTest, RenameRefusesAllAndTakenNames)
{
    writeLibrary ("Mine", 2);
    writeLibrary ("Other", 1);
    auto c = catalogue();
    const auto row = c.rowOf ("Mine");

    EXPECT_EQ (c.renameLibrary (row, "aLL").error, "You can't use 'ALL' as library name");
    EXPECT_EQ (c.renameLibrary (row, "editor factory").error, "A library called 'editor factory' already exists");
    EXPECT_EQ (c.renameLibrary (row, "Mine").error, "A library called 'Mine' already exists");
    EXPECT_EQ (c.renameLibrary (row, "Other").error, "A library called 'Other' already exists");

    EXPECT_TRUE (c.renameLibrary (row, "Renamed").done);
    EXPECT_TRUE (folder().getChildFile ("Renamed.vandorium").existsAsFile());
    EXPECT_FALSE (folder().getChildFile ("Mine.vandorium").exists());
    EXPECT_EQ (BXVandoriumLibrary (folder().getChildFile ("Renamed.vandorium").getFullPathName(), false).presets.size(), 2u);
    EXPECT_FALSE (c.renameLibrary (1, "Factory Renamed").done);
}

TEST_F (LibraryCatalogueTest, DeletingTheLastUserLibraryLeavesAnEmptyDefault)
{
    writeLibrary ("Only", 4);
    auto c = catalogue();

    const auto deleted = c.deleteLibrary (c.rowOf ("Only"));
    EXPECT_TRUE (deleted.done);
    EXPECT_EQ (deleted.selectedRow, -1);
    EXPECT_FALSE (folder().getChildFile ("Only.vandorium").exists());
    EXPECT_EQ (names (c), (juce::StringArray { "ALL", "EDITOR FACTORY", "VANDORIUM FACTORY", "DEFAULT" }));
    EXPECT_TRUE (c.getLibrary (3).presets.empty());
    EXPECT_FALSE (c.deleteLibrary (0).done);
}

TEST_F (LibraryCatalogueTest, SendAllAsksAboutThirtyTwoPresetsAtMost)
{
    BXVandoriumLibrary library;
    library.name = "BIG";
    library.presets.resize (40);
    EXPECT_EQ (LibraryCatalogue::sendAllQuestion (library), "Are you sure to send the first 32 presets in the library \n'BIG'\nto the Vandorium");
    library.presets.resize (32);
    EXPECT_TRUE (LibraryCatalogue::sendAllQuestion (library).endsWith ("(32 presets)"));
    library.presets.clear();
    EXPECT_TRUE (LibraryCatalogue::sendAllQuestion (library).endsWith ("(0 presets)"));
}

TEST_F (LibraryCatalogueTest, LoadCopiesReadableLibrariesOnlyAndSaveAddsTheExtension)
{
    writeLibrary ("Bass", 2);
    const auto outside = temp.getRoot().getChildFile ("elsewhere");
    outside.createDirectory();

    BXVandoriumLibrary external (outside.getChildFile ("Bass.vandorium").getFullPathName(), false);
    external.presets.resize (3);
    ASSERT_TRUE (external.save());

    auto c = catalogue();
    const auto loaded = c.importLibrary (outside.getChildFile ("Bass.vandorium"));
    EXPECT_TRUE (loaded.done);
    EXPECT_TRUE (loaded.error.isEmpty());
    EXPECT_EQ (c.getLibrary ((size_t) loaded.selectedRow).getName(), "Bass 2");
    EXPECT_EQ (c.importTargetFor (outside.getChildFile ("Bass.vandorium")).getFileName(), "Bass 3.vandorium");

    // A file already in the folder, and files that are no library.
    EXPECT_FALSE (c.importLibrary (folder().getChildFile ("Bass.vandorium")).done);
    ASSERT_TRUE (outside.getChildFile ("notes.vandorium").replaceWithText ("shopping list"));
    ASSERT_TRUE (outside.getChildFile ("empty.vandorium").replaceWithText ("<Presets></Presets>"));

    for (auto* name : { "notes.vandorium", "empty.vandorium" })
    {
        const auto refused = c.importLibrary (outside.getChildFile (name));
        EXPECT_FALSE (refused.done) << name;
        EXPECT_TRUE (refused.error.contains ("was not loaded")) << refused.error;
        EXPECT_FALSE (folder().getChildFile (name).exists());
    }

    // Save: the extension is added unless it is there exactly.
    EXPECT_EQ (LibraryCatalogue::exportTargetFor (outside.getChildFile ("backup")).getFileName(), "backup.vandorium");
    EXPECT_EQ (LibraryCatalogue::exportTargetFor (outside.getChildFile ("x.VANDORIUM")).getFileName(), "x.VANDORIUM.vandorium");
    EXPECT_TRUE (c.exportLibrary (c.rowOf ("Bass"), outside.getChildFile ("backup")).done);
    EXPECT_EQ (BXVandoriumLibrary (outside.getChildFile ("backup.vandorium").getFullPathName(), false).presets.size(), 2u);

    const auto unwritable = c.exportLibrary (c.rowOf ("Bass"), temp.getRoot().getChildFile ("no folder").getChildFile ("x"));
    EXPECT_FALSE (unwritable.done);
    EXPECT_TRUE (unwritable.error.contains ("could not be saved"));
}

TEST_F (LibraryCatalogueTest, BankFilesComeInAsNewLibrariesAndGoOutAsThirtyTwoPresets)
{
    // Upper-case names: the instrument shows (and its dumps decode) upper case only.
    writeLibrary ("FIVE", 5);
    const auto outside = temp.getRoot().getChildFile ("elsewhere");
    outside.createDirectory();
    auto c = catalogue();

    // Out: the first 32 presets, missing slots as default presets.
    const auto syx = outside.getChildFile ("FIVE BANK.SYX");
    ASSERT_EQ (LibraryCatalogue::exportTargetFor (syx), syx);
    ASSERT_TRUE (c.exportLibrary (c.rowOf ("FIVE"), syx).done);
    juce::MemoryBlock bytes;
    syx.loadFileAsData (bytes);
    EXPECT_TRUE (bytes == BankDumpFile::encode (c.getLibrary ((size_t) c.rowOf ("FIVE")).presets));

    // In: a new library named after the file, selected, by the " 2" rule.
    for (auto* expectedName : { "FIVE BANK", "FIVE BANK 2" })
    {
        const auto loaded = c.importLibrary (syx);
        ASSERT_TRUE (loaded.done) << loaded.error;
        const auto& library = c.getLibrary ((size_t) loaded.selectedRow);
        EXPECT_EQ (library.getName(), expectedName);
        ASSERT_EQ (library.presets.size(), 32u);
        EXPECT_EQ (library.presets[4], c.getLibrary ((size_t) c.rowOf ("FIVE")).presets[4]);
        EXPECT_EQ (library.presets[5].name, "PRESET 6");
        EXPECT_TRUE (folder().getChildFile (juce::String (expectedName) + ".vandorium").existsAsFile());
    }

    // Exported again, the bank file is the same: 32 presets survive the round trip.
    const auto again = outside.getChildFile ("again.syx");
    ASSERT_TRUE (c.exportLibrary (c.rowOf ("FIVE BANK"), again).done);
    juce::MemoryBlock againBytes;
    again.loadFileAsData (againBytes);
    EXPECT_TRUE (againBytes == bytes);

    // Refused, with the reason, and nothing created.
    auto garbled = bytes;
    garbled[3000] = (char) 0x90;
    ASSERT_TRUE (outside.getChildFile ("short.syx").replaceWithData (bytes.getData(), 3000));
    ASSERT_TRUE (outside.getChildFile ("garbled.syx").replaceWithData (garbled.getData(), garbled.getSize()));
    ASSERT_TRUE (outside.getChildFile ("text.syx").replaceWithText ("hello"));
    outside.getChildFile ("folder.syx").createDirectory();

    const std::pair<const char*, const char*> refusals[] = {
        { "short.syx", "too short to hold 32 presets" },
        { "garbled.syx", "garbled: byte 3001 (0x90)" },
        { "text.syx", "does not start with the bank dump header" },
        { "folder.syx", "is a folder" },
        { "missing.syx", "could not be read" },
    };

    const auto filesBefore = folder().findChildFiles (juce::File::findFiles, false).size();

    for (const auto& [name, reason] : refusals)
    {
        const auto refused = c.importLibrary (outside.getChildFile (name));
        EXPECT_FALSE (refused.done) << name;
        EXPECT_TRUE (refused.error.contains (reason)) << refused.error;
        EXPECT_TRUE (refused.error.contains ("No library was created")) << refused.error;
    }

    EXPECT_EQ (folder().findChildFiles (juce::File::findFiles, false).size(), filesBefore);
}
