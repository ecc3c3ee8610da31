// Library, settings and bank files may hold anything: every one of them gets
// a clear outcome, never a hang, a crash or a read past its bytes.

#include "model/BXVandoriumLibrary.h"
#include "model/EditorSettings.h"
#include "model/SafeFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace
{
using Problem = BXVandoriumLibrary::LoadReport::FileProblem;

std::string nested (int depth)
{
    std::string text = "<Presets>";

    for (int i = 0; i < depth; ++i)
        text += "<a>";

    for (int i = 0; i < depth; ++i)
        text += "</a>";

    return text + "</Presets>";
}

std::string presetLine (const std::string& nameBytes)
{
    BXVandoriumLibrary library (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("x.vandorium").getFullPathName(), false);
    library.presets.emplace_back();
    const auto text = library.toFileBytes();
    const auto dataStart = text.find ("data=");
    return "\t<Preset name=\"" + nameBytes + "\" " + text.substr (dataStart, text.find ("/>") + 2 - dataStart) + "\r\n";
}

class HostileFileTest : public testing::Test
{
protected:
    juce::File file (const juce::String& name) const { return temp.getRoot().getChildFile (name); }

    juce::File write (const juce::String& name, const std::string& bytes) const
    {
        const auto f = file (name);
        f.deleteFile();
        EXPECT_TRUE (f.create() && f.appendData (bytes.data(), bytes.size()));
        return f;
    }

    BXVandoriumLibrary load (const juce::File& f, BXVandoriumLibrary::LoadReport& report) const
    {
        return BXVandoriumLibrary (f.getFullPathName(), false, report);
    }

    TempFolder temp;
};
} // namespace

TEST_F (HostileFileTest, DamagedLibraryFilesLoadEmptyWithAReason)
{
    const struct
    {
        const char* what;
        std::string bytes;
        Problem problem;
        const char* reasonContains;
    } cases[] = {
        { "an element followed by one byte 0xFE", std::string ("<a>\xfe", 4), Problem::notWellFormed, "not well-formed" },
        { "a file that breaks off", "<Presets>\r\n\t<Preset name=\"A\" da", Problem::notWellFormed, "line 2" },
        { "26,000 nested elements", nested (26000), Problem::tooDeep, "levels deep" },
        { "two root elements", "<Presets></Presets><Presets></Presets>", Problem::notWellFormed, "more than one root" },
        { "an empty file", "", Problem::notWellFormed, "" },
        { "a root in lower case", "<presets></presets>", Problem::wrongRoot, "<Presets>" },
        { "600,000 empty elements", "<Presets>" + []
                                        { std::string e; for (int i = 0; i < 600000; ++i) e += "<a/>"; return e; }()
                                        + "</Presets>",
          Problem::tooManyElements,
          "more than 500000 elements" },
        { "binary noise", std::string ("\x00\x01\xff\xfe<\x00", 6), Problem::notWellFormed, "" },
    };

    for (const auto& c : cases)
    {
        BXVandoriumLibrary::LoadReport report;
        const auto library = load (write ("L.vandorium", c.bytes), report);
        EXPECT_TRUE (library.presets.empty()) << c.what;
        EXPECT_EQ (report.fileProblem, c.problem) << c.what;
        EXPECT_TRUE (report.fileProblemText.contains (c.reasonContains)) << c.what << ": " << report.fileProblemText;
    }
}

TEST_F (HostileFileTest, OnlyRegularFilesOfSaneSizeAreRead)
{
    const auto folder = file ("A FOLDER.vandorium");
    folder.createDirectory();

    const auto pipe = file ("PIPE.vandorium");
    ASSERT_EQ (::mkfifo (pipe.getFullPathName().toRawUTF8(), 0600), 0);

    // Sparse: the size is what counts, not the bytes on disk.
    const auto huge = file ("HUGE.vandorium");
    huge.create();
    std::filesystem::resize_file (huge.getFullPathName().toStdString(), 33u * 1024 * 1024);

    const struct
    {
        juce::File file;
        Problem problem;
        const char* reason;
    } cases[] = {
        { folder, Problem::notRegularFile, "is a folder, not a file" },
        { pipe, Problem::notRegularFile, "is a pipe, not a file" },
        { juce::File ("/dev/zero"), Problem::notRegularFile, "is a device, not a file" },
        { huge, Problem::tooLarge, "larger than 32 MiB" },
        { file ("MISSING.vandorium"), Problem::missing, "does not exist" },
    };

    for (const auto& c : cases)
    {
        BXVandoriumLibrary::LoadReport report;
        EXPECT_TRUE (load (c.file, report).presets.empty()) << c.reason;
        EXPECT_EQ (report.fileProblem, c.problem) << c.reason;
        EXPECT_TRUE (report.fileProblemText.contains (c.reason)) << report.fileProblemText;
    }
}

TEST_F (HostileFileTest, PresetTagIsMatchedExactly)
{
    const auto line = presetLine ("KEPT");
    auto other = line;
    other.replace (other.find ("<Preset"), 7, "<preset");

    BXVandoriumLibrary::LoadReport report;
    const auto library = load (write ("L.vandorium", "<Presets>" + other + line + "</Presets>"), report);

    ASSERT_EQ (library.presets.size(), 1u);
    EXPECT_EQ (library.presets[0].name, "KEPT");
    ASSERT_EQ (report.skipped.size(), 1u);
    EXPECT_EQ (report.skipped[0].tagName, "preset");
}

TEST_F (HostileFileTest, NamesAreCleanedSoWhatLoadsSavesBackAndReloadsTheSame)
{
    const struct
    {
        std::string nameBytes;
        juce::String expected;
    } cases[] = {
        { "AB\xff\xfe"
          "CD",
          "AB??CD" },
        { "\xc3\x28 LONG NAME OVER THIRTEEN", "?( LONG NAME " },
        { "\xc4\x80"
          "BC",
          "?BC" }, // U+0100 does not fit the block's byte
        { "\xe2\x82\xac", "?" }, // the euro sign neither
        { "CAF\xc3\x89", juce::String (juce::CharPointer_UTF8 ("CAF\xc3\x89")) },
        { "A&#1;B&#x9;C", "A?B?C" }, // character references are not white space
        { "\xed\xa0\x80"
          "X",
          "???X" }, // an encoded surrogate
    };

    std::string text = "<Presets>\r\n";

    for (const auto& c : cases)
        text += presetLine (c.nameBytes);

    text += "</Presets>\r\n";

    BXVandoriumLibrary::LoadReport report;
    const auto library = load (write ("NAMES.vandorium", text), report);
    ASSERT_EQ (library.presets.size(), std::size (cases));
    EXPECT_EQ (report.namesRepaired, 6);

    for (size_t i = 0; i < std::size (cases); ++i)
        EXPECT_EQ (library.presets[i].name, cases[i].expected) << i;

    ASSERT_TRUE (library.save());
    BXVandoriumLibrary::LoadReport again;
    const auto reloaded = load (file ("NAMES.vandorium"), again);
    EXPECT_EQ (again.fileProblem, Problem::none);
    EXPECT_EQ (again.namesRepaired, 0);
    EXPECT_EQ (reloaded.presets, library.presets);
}

TEST_F (HostileFileTest, DamagedSettingsGiveTheInitialValues)
{
    const auto settingsFile = temp.applicationData().getChildFile ("Vandorium Editor").getChildFile ("settings.xml");
    settingsFile.getParentDirectory().createDirectory();

    for (const auto& bytes : { nested (26000), std::string ("<Settings>\xfe", 11), std::string ("<Settings><ShowTooltips value=\"0\"/>") })
    {
        settingsFile.replaceWithData (bytes.data(), bytes.size());
        EditorSettings settings;
        settings.load (temp.folders());
        EXPECT_TRUE (settings.showTooltips);
        EXPECT_EQ (settings.currentLibraryName, "DEFAULT");
    }

    settingsFile.deleteFile();
    settingsFile.createDirectory();
    EditorSettings settings;
    settings.load (temp.folders());
    EXPECT_TRUE (settings.showTooltips);
}

TEST_F (HostileFileTest, SettingsNamesWithBadBytesSaveBackAsValidText)
{
    const auto settingsFile = temp.applicationData().getChildFile ("Vandorium Editor").getChildFile ("settings.xml");
    settingsFile.getParentDirectory().createDirectory();
    temp.documents().getChildFile ("Vandorium Editor").getChildFile ("BASS.vandorium").create();
    const std::string bytes = "<Settings><CurrentLibraryName value=\"BASS\xff&#1;ES\"/><ShowTooltips value=\"0\"/></Settings>";
    settingsFile.replaceWithData (bytes.data(), bytes.size());

    EditorSettings settings;
    settings.load (temp.folders());
    EXPECT_EQ (settings.currentLibraryName, "BASS??ES");
    ASSERT_TRUE (settings.save());

    EditorSettings reloaded;
    reloaded.load (temp.folders());
    EXPECT_TRUE (reloaded.hasSameStoredValues (settings));
    EXPECT_FALSE (reloaded.showTooltips);
}

TEST_F (HostileFileTest, AWriteThatDoesNotReadBackKeepsTheOldFileAndNoTemporaryFile)
{
    const auto target = file ("KEEP.vandorium");
    ASSERT_TRUE (replaceFileContent (target, juce::String ("old")));

    EXPECT_FALSE (replaceFileContent (target, juce::String ("new"), [] (const juce::File& written)
                                      {
                                          EXPECT_EQ (written.loadFileAsString(), "new");
                                          EXPECT_FALSE (written.getFileName().endsWith (".vandorium"));
                                          return false; }));

    EXPECT_EQ (target.loadFileAsString(), "old");
    EXPECT_EQ (temp.getRoot().getNumberOfChildFiles (juce::File::findFiles), 1);
}

TEST_F (HostileFileTest, StartUpRemovesTemporaryFilesOfDeadWritesOnly)
{
    const auto library = temp.documents().getChildFile ("Vandorium Editor");
    const auto settings = temp.applicationData().getChildFile ("Vandorium Editor");
    library.createDirectory();
    settings.createDirectory();

    // PID 1 always runs; a PID past the kernel's limit never does.
    const auto stale = { library.getChildFile (".DEFAULT.vandorium.99999999-1f.vdtmp"),
                         settings.getChildFile (".settings.xml.99999999-2e.vdtmp"),
                         library.getChildFile (".DEFAULT_temp1a2b3c.vandorium"),
                         library.getChildFile (".garbage.vdtmp") };
    const auto live = library.getChildFile (".OTHER.vandorium.1-3d.vdtmp");
    const auto userFile = library.getChildFile ("MY_temp LIBRARY.vandorium");

    for (const auto& f : stale)
        f.create();

    live.create();
    userFile.create();

    EditorSettings loaded;
    loaded.load (temp.folders());

    for (const auto& f : stale)
        EXPECT_FALSE (f.exists()) << f.getFileName();

    EXPECT_TRUE (live.exists());
    EXPECT_TRUE (userFile.exists());
}

TEST_F (HostileFileTest, AFileThatCouldNotBeReadIsKeptBeforeTheFirstSaveWritesOverIt)
{
    const std::string damaged = "<Presets>\r\n" + presetLine ("RESCUE ME") + "\t<Preset name=\"CUT";
    const auto original = write ("MINE.vandorium", damaged);

    BXVandoriumLibrary::LoadReport report;
    auto library = load (original, report);
    ASSERT_TRUE (library.presets.empty());

    library.presets.emplace_back();
    ASSERT_TRUE (library.save());
    ASSERT_TRUE (library.save());

    juce::MemoryBlock kept;
    ASSERT_TRUE (file ("MINE.vandorium.bak").loadFileAsData (kept));
    EXPECT_EQ (kept.toString().toStdString(), damaged);
    EXPECT_EQ (temp.getRoot().getNumberOfChildFiles (juce::File::findFiles), 2) << "one copy, not one a save";

    BXVandoriumLibrary::LoadReport rescued;
    EXPECT_EQ (BXVandoriumLibrary::rescue (file ("MINE.vandorium.bak").getFullPathName(), rescued).presets.size(), 1u);

    // A rename deletes the old file: the copy comes first there too.
    const auto other = write ("OTHER.vandorium", damaged);
    auto renamed = load (other, report);
    juce::String newName ("RENAMED");
    ASSERT_TRUE (renamed.setName (newName, temp.getRoot().getFullPathName() + "/"));
    EXPECT_TRUE (file ("OTHER.vandorium.bak").existsAsFile());
    EXPECT_FALSE (other.exists());
}

TEST_F (HostileFileTest, ARenameDeletesTheLibrarysOwnFileOnly)
{
    // Both give the name "Pads": every ".vandorium" goes from a file name.
    const auto other = write ("Pads.vandorium", presetLine ("OTHER"));
    juce::ignoreUnused (other);
    write ("Pads.vandorium.vandorium", "<Presets>" + presetLine ("MINE") + "</Presets>");

    BXVandoriumLibrary::LoadReport report;
    auto library = load (file ("Pads.vandorium.vandorium"), report);
    ASSERT_EQ (library.getName(), "Pads");
    juce::String newName ("Renamed");
    ASSERT_TRUE (library.setName (newName, temp.getRoot().getFullPathName() + "/"));

    EXPECT_TRUE (file ("Pads.vandorium").existsAsFile()) << "another library's file was deleted";
    EXPECT_FALSE (file ("Pads.vandorium.vandorium").exists());
    EXPECT_TRUE (file ("Renamed.vandorium").existsAsFile());
}
