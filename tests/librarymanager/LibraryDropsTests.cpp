#include "librarymanager/LibraryDrops.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
using LibraryDrops::Kind;

class LibraryDropsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        juce::File (temp.libraryFolder()).createDirectory();

        for (auto* factory : { "EDITOR FACTORY", "VANDORIUM FACTORY" })
            write (temp.resources().getChildFile (juce::String (factory) + ".vandorium").getFullPathName(), "F", 2);

        write (temp.libraryFolder() + "A.vandorium", "A", 2); // row 3
        write (temp.libraryFolder() + "B.vandorium", "B", 3); // row 4
        catalogue = std::make_unique<LibraryCatalogue> (temp.libraryFolder(), temp.resources());
    }

    static void write (const juce::String& path, const juce::String& prefix, int count)
    {
        BXVandoriumLibrary library (path, false);

        for (int i = 0; i < count; ++i)
        {
            BXVandoriumPreset p;
            p.name = prefix + juce::String (i + 1);
            library.presets.push_back (p);
        }

        ASSERT_TRUE (library.save());
    }

    juce::StringArray namesOnDisk (const juce::String& library) const
    {
        juce::StringArray names;

        for (const auto& p : BXVandoriumLibrary (temp.libraryFolder() + library + ".vandorium", false).presets)
            names.add (p.name);

        return names;
    }

    TempFolder temp;
    std::unique_ptr<LibraryCatalogue> catalogue;
};
} // namespace

TEST_F (LibraryDropsTest, EveryRefusalInItsCheckOrder)
{
    const struct
    {
        Kind kind;
        int selected, dragged, target;
        const char* refusal;
    } cases[] = {
        { Kind::presetOntoLibrary, 3, 0, -1, "You must drop a preset on a library" },
        { Kind::presetOntoLibrary, 3, 0, 5, "You must drop a preset on a library" },
        { Kind::presetOntoLibrary, 3, 0, 0, "You can't add a preset to 'ALL'" },
        { Kind::presetOntoLibrary, 3, 0, 1, "You can't add a preset to a factory library" },
        { Kind::presetOntoLibrary, 3, 0, 2, "You can't add a preset to a factory library" },
        { Kind::presetOntoLibrary, 3, 0, 3, "You can't add a preset from a library to the same library" },
        { Kind::libraryOntoLibrary, 3, -1, -1, "You can't add a library to itself" }, // before the target row
        { Kind::libraryOntoLibrary, 3, 3, 3, "You can't add a library to itself" },
        { Kind::libraryOntoLibrary, 3, 3, 9, "You must drop a library on another library" },
        { Kind::libraryOntoLibrary, 3, 3, 0, "You can't add a library to 'ALL'" },
        { Kind::libraryOntoLibrary, 3, 3, 2, "You can't add a library to a factory library" },
        { Kind::libraryOntoPresets, 3, 3, -1, "You can't add a library to itself" },
        { Kind::libraryOntoPresets, 0, 0, -1, "You can't add a library to 'ALL'" },
        { Kind::libraryOntoPresets, 1, 1, -1, "You can't add a library to a factory library" },
    };

    for (const auto& c : cases)
    {
        const auto decision = LibraryDrops::decide (c.kind, c.selected, c.dragged, c.target, *catalogue);
        EXPECT_EQ (decision.refusal, c.refusal) << (int) c.kind << " " << c.selected << " " << c.dragged << " " << c.target;
        EXPECT_TRUE (decision.question.isEmpty());
    }
}

TEST_F (LibraryDropsTest, MergesAskThenWriteAndUndoTakesBackTheLastOnly)
{
    LibraryDrops::Undo undo;

    // A preset of "ALL" (row 0 selected) onto A.
    auto decision = LibraryDrops::decide (Kind::presetOntoLibrary, 0, 5, 3, *catalogue);
    EXPECT_EQ (decision.question, "Are you sure to add the preset\n'A2'\nto the library\n'A' ?");
    EXPECT_TRUE (LibraryDrops::apply (decision, *catalogue, undo).done);
    EXPECT_EQ (namesOnDisk ("A"), (juce::StringArray { "A1", "A2", "A2" }));

    // "ALL" onto B: every preset of every other library, B's own included.
    decision = LibraryDrops::decide (Kind::libraryOntoLibrary, 0, 0, 4, *catalogue);
    EXPECT_EQ (decision.question, "Are you sure to add the content of library\n'ALL'\nto the library\n'B' ?");
    EXPECT_TRUE (LibraryDrops::apply (decision, *catalogue, undo).done);
    EXPECT_EQ (namesOnDisk ("B").size(), 3 + (2 + 2 + 3 + 3)); // "ALL" holds the first merge

    // A drop answered "NO" is never applied: the record of the last merge stays.
    LibraryDrops::decide (Kind::libraryOntoLibrary, 3, 3, 4, *catalogue);
    ASSERT_TRUE (undo.hasRecord());
    EXPECT_EQ (undo.getRecord()->getName(), "B");

    // Undo takes back the second merge only, once.
    EXPECT_TRUE (undo.undo (*catalogue).done);
    EXPECT_EQ (namesOnDisk ("B"), (juce::StringArray { "B1", "B2", "B3" }));
    EXPECT_EQ (namesOnDisk ("A"), (juce::StringArray { "A1", "A2", "A2" }));
    EXPECT_EQ (undo.undo (*catalogue).error, "Nothing to undo");

    // A library onto the presets list of another one merges too.
    decision = LibraryDrops::decide (Kind::libraryOntoPresets, 4, 1, -1, *catalogue);
    EXPECT_TRUE (LibraryDrops::apply (decision, *catalogue, undo).done);
    EXPECT_EQ (namesOnDisk ("B"), (juce::StringArray { "B1", "B2", "B3", "F1", "F2" }));
}

TEST_F (LibraryDropsTest, AMergeThatCannotBeWrittenChangesNothingAndSaysSo)
{
    LibraryDrops::Undo undo;
    juce::File (temp.libraryFolder() + "A.vandorium").deleteFile();
    juce::File (temp.libraryFolder() + "A.vandorium").createDirectory(); // the file's place is taken

    const auto decision = LibraryDrops::decide (Kind::libraryOntoLibrary, 4, 4, 3, *catalogue);
    const auto outcome = LibraryDrops::apply (decision, *catalogue, undo);
    EXPECT_FALSE (outcome.done);
    EXPECT_TRUE (outcome.error.contains ("could not be written"));
    EXPECT_EQ (catalogue->getLibrary (3).presets.size(), 2u);
    EXPECT_FALSE (undo.hasRecord());
}
