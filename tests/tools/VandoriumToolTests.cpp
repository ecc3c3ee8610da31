#include "librarymanager/LibraryCatalogue.h"
#include "model/BXVandoriumLibrary.h"
#include "model/BankDump.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
struct ToolResult
{
    int exitCode = -1;
    juce::String output;
};

ToolResult runTool (const juce::StringArray& arguments, int streams = juce::ChildProcess::wantStdOut)
{
    juce::StringArray command { VANDORIUM_TOOL_PATH };
    command.addArray (arguments);

    juce::ChildProcess process;

    // Only standard output by default: debug builds print a banner on
    // standard error.
    if (! process.start (command, streams))
        return {};

    ToolResult result;
    result.output = process.readAllProcessOutput();
    process.waitForProcessToFinish (10000);
    result.exitCode = (int) process.getExitCode();
    return result;
}

class VandoriumToolTest : public testing::Test
{
protected:
    juce::String path (const juce::String& fileName) const { return temp.getRoot().getChildFile (fileName).getFullPathName(); }

    BXVandoriumLibrary writeLibrary (const juce::String& fileName, int count) const
    {
        BXVandoriumLibrary library (path (fileName), false);

        for (int i = 0; i < count; ++i)
        {
            BXVandoriumPreset preset;
            preset.name = "SOUND " + juce::String (i + 1);
            preset.scanRate = (juce::uint16) (i + 1);
            library.presets.push_back (preset);
        }

        library.save();
        return library;
    }

    TempFolder temp;
};
} // namespace

TEST_F (VandoriumToolTest, ListsLibrariesAndBankDumpsAsTheEditorNumbersThem)
{
    writeLibrary ("TEN.vandorium", 10);

    const auto listed = runTool ({ "list", path ("TEN.vandorium") });
    EXPECT_EQ (listed.exitCode, 0);
    EXPECT_TRUE (listed.output.startsWith ("01 SOUND 1\n"));
    EXPECT_TRUE (listed.output.contains ("10 SOUND 10\n"));

    const auto json = runTool ({ "list", "--json", path ("TEN.vandorium") });
    ASSERT_EQ (json.exitCode, 0);
    const auto parsed = juce::JSON::parse (json.output);
    EXPECT_EQ (parsed["library"].toString(), "TEN");
    ASSERT_EQ (parsed["presets"].size(), 10);
    EXPECT_EQ (parsed["presets"][2]["name"].toString(), "SOUND 3");
    EXPECT_EQ ((int) parsed["presets"][2]["scanRate"], 3);
    EXPECT_EQ ((int) parsed["presets"][2]["filterPitchTrack"], 8192);
    EXPECT_EQ (parsed["presets"][2]["number"].toString(), "03");

    // A bare bank payload, as the editor caches it.
    const auto payload = encodeBankDump (BXVandoriumLibrary (path ("TEN.vandorium"), false).presets);
    ASSERT_TRUE (writeLibrary ("BIG.vandorium", 32).save());
    const auto bigPayload = encodeBankDump (BXVandoriumLibrary (path ("BIG.vandorium"), false).presets);
    ASSERT_TRUE (juce::File (path ("devicePresets.syx")).replaceWithData (bigPayload.getData(), bigPayload.getSize()));
    const auto bank = runTool ({ "list", path ("devicePresets.syx") });
    EXPECT_EQ (bank.exitCode, 0);
    EXPECT_TRUE (bank.output.contains ("32 SOUND 32\n"));

    // A dump too short for a bank is refused, not half-listed.
    ASSERT_TRUE (juce::File (path ("short.syx")).replaceWithData (payload.getData(), payload.getSize()));
    EXPECT_EQ (runTool ({ "list", path ("short.syx") }).exitCode, 2);
}

TEST_F (VandoriumToolTest, ConvertsBetweenLibrariesAndSysExFiles)
{
    writeLibrary ("FIVE.vandorium", 5);

    ASSERT_EQ (runTool ({ "to-syx", path ("FIVE.vandorium"), path ("bank.syx") }).exitCode, 0);
    juce::MemoryBlock syx;
    juce::File (path ("bank.syx")).loadFileAsData (syx);
    ASSERT_EQ (syx.getSize(), 6648u);
    EXPECT_EQ ((juce::uint8) syx[0], 0xf0);
    EXPECT_EQ ((juce::uint8) syx[6647], 0xf7);

    ASSERT_EQ (runTool ({ "from-syx", path ("bank.syx"), path ("My Bank.vandorium") }).exitCode, 0);
    const BXVandoriumLibrary library (path ("My Bank.vandorium"), false);
    EXPECT_EQ (library.getName(), "My Bank");
    ASSERT_EQ (library.presets.size(), 32u);
    EXPECT_EQ (library.presets[4].name, "SOUND 5");
    EXPECT_EQ (library.presets[4].scanRate, 5);
    EXPECT_EQ (library.presets[5].name, "PRESET 6");
    EXPECT_EQ (library.presets[31].name, "PRESET 32");

    // A truncated dump writes nothing and leaves an existing library alone.
    const auto before = juce::File (path ("My Bank.vandorium")).loadFileAsString();
    ASSERT_TRUE (juce::File (path ("cut.syx")).replaceWithData (syx.getData(), 3000));
    EXPECT_EQ (runTool ({ "from-syx", path ("cut.syx"), path ("My Bank.vandorium") }).exitCode, 1);
    EXPECT_EQ (juce::File (path ("My Bank.vandorium")).loadFileAsString(), before);

    ASSERT_TRUE (juce::File (path ("text.syx")).replaceWithText ("hello"));
    EXPECT_EQ (runTool ({ "from-syx", path ("text.syx"), path ("X.vandorium") }).exitCode, 2);
    EXPECT_FALSE (juce::File (path ("X.vandorium")).exists());

    // The tool and the library manager's export write the same bytes.
    const LibraryCatalogue c (temp.getRoot().getFullPathName() + "/", temp.getRoot());
    ASSERT_TRUE (c.exportLibrary (c.rowOf ("FIVE"), juce::File (path ("window.syx"))).done);
    juce::MemoryBlock windowBytes;
    juce::File (path ("window.syx")).loadFileAsData (windowBytes);
    EXPECT_TRUE (windowBytes == syx);
}

TEST_F (VandoriumToolTest, CheckReportsSkippedElements)
{
    writeLibrary ("GOOD.vandorium", 3);
    const auto good = runTool ({ "check", path ("GOOD.vandorium") });
    EXPECT_EQ (good.exitCode, 0);
    EXPECT_TRUE (good.output.contains ("3 presets loaded, 0 elements skipped"));

    auto text = juce::File (path ("GOOD.vandorium")).loadFileAsString();
    text = text.replace ("</Presets>", "\t<Preset name=\"BROKEN\" data=\"AAAA\" />\r\n\t<Note />\r\n</Presets>");
    ASSERT_TRUE (juce::File (path ("MIXED.vandorium")).replaceWithText (text));
    const auto mixed = runTool ({ "check", path ("MIXED.vandorium") });
    EXPECT_EQ (mixed.exitCode, 1);
    EXPECT_TRUE (mixed.output.contains ("element 4 <Preset>: skipped, data holds 3 bytes"));
    EXPECT_TRUE (mixed.output.contains ("element 5 <Note>: skipped"));

    ASSERT_TRUE (juce::File (path ("NOTXML.vandorium")).replaceWithText ("plain words, no markup"));
    EXPECT_EQ (runTool ({ "check", path ("NOTXML.vandorium") }).exitCode, 2);
    EXPECT_EQ (runTool ({ "check", path ("MISSING.vandorium") }).exitCode, 2);
}

TEST_F (VandoriumToolTest, ArgumentErrorsAndHelp)
{
    const struct
    {
        juce::StringArray arguments;
        int exitCode;
    } cases[] = {
        { {}, 64 },
        { { "frobnicate" }, 64 },
        { { "list" }, 64 },
        { { "to-syx", "only-one" }, 64 },
        { { "from-syx", "a", "b", "c" }, 64 },
        { { "--help" }, 0 },
        { { "list", "--help" }, 0 },
        { { "check", "--help" }, 0 },
        { { "list", "/nonexistent/file.vandorium" }, 2 },
    };

    for (const auto& c : cases)
        EXPECT_EQ (runTool (c.arguments).exitCode, c.exitCode) << c.arguments.joinIntoString (" ");

    EXPECT_TRUE (runTool ({ "from-syx", "--help" }).output.contains ("usage: vandorium-tool from-syx IN OUT"));
}

TEST_F (VandoriumToolTest, CheckRefusesHostileFilesWithTheReason)
{
    juce::File (path ("FOLDER.vandorium")).createDirectory();

    std::string deep = "<Presets>";
    for (int i = 0; i < 30000; ++i)
        deep += "<x>";
    for (int i = 0; i < 30000; ++i)
        deep += "</x>";
    deep += "</Presets>";
    ASSERT_TRUE (juce::File (path ("DEEP.vandorium")).replaceWithData (deep.data(), deep.size()));
    ASSERT_TRUE (juce::File (path ("CUT.vandorium")).replaceWithText ("<Presets>\n\t<Preset name=\"A\" />\n\t<Preset name=\"B"));

    const struct
    {
        juce::String file, reason;
    } cases[] = {
        { path ("FOLDER.vandorium"), "is a folder, not a file" },
        { path ("DEEP.vandorium"), "more than 64 levels deep" },
        { path ("CUT.vandorium"), "is not well-formed XML (line 3" },
        { "/dev/zero", "is a device, not a file" },
        { path ("MISSING.vandorium"), "does not exist" },
    };

    for (const auto& c : cases)
    {
        const auto result = runTool ({ "check", c.file }, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr);
        EXPECT_EQ (result.exitCode, 2) << c.file;
        EXPECT_TRUE (result.output.contains (c.reason)) << result.output;
    }

    const auto clean = writeLibrary ("NAMES.vandorium", 2).toFileBytes();
    const auto at = clean.find ("SOUND ") + 6;
    const auto withBadByte = clean.substr (0, at) + '\xff' + clean.substr (at);
    ASSERT_TRUE (juce::File (path ("NAMES.vandorium")).replaceWithData (withBadByte.data(), withBadByte.size()));
    const auto names = runTool ({ "check", path ("NAMES.vandorium") });
    EXPECT_EQ (names.exitCode, 1);
    EXPECT_TRUE (names.output.contains ("1 name held bytes that are not UTF-8")) << names.output;
}

TEST_F (VandoriumToolTest, RepairRescuesThePresetsBeforeTheDamage)
{
    const auto damaged = writeLibrary ("LIVE.vandorium", 5).toFileBytes();
    const auto cut = damaged.substr (0, damaged.find ("SOUND 4") + 3); // breaks off in the fourth preset
    const juce::File file (path ("LIVE.vandorium"));
    ASSERT_TRUE (file.replaceWithData (cut.data(), cut.size()));

    // An earlier copy (the editor keeps one of a damaged file) is never replaced.
    ASSERT_TRUE (juce::File (path ("LIVE.vandorium.bak")).replaceWithText ("the first damaged original"));

    const auto repaired = runTool ({ "check", "--repair", path ("LIVE.vandorium") });
    EXPECT_EQ (repaired.exitCode, 0) << repaired.output;
    EXPECT_TRUE (repaired.output.contains ("repaired with 3 presets")) << repaired.output;

    const BXVandoriumLibrary library (file.getFullPathName(), false);
    ASSERT_EQ (library.presets.size(), 3u);
    EXPECT_EQ (library.presets[2].name, "SOUND 3");
    EXPECT_EQ (library.presets[2].scanRate, 3);
    EXPECT_EQ (runTool ({ "check", path ("LIVE.vandorium") }).exitCode, 0);

    EXPECT_EQ (juce::File (path ("LIVE.vandorium.bak")).loadFileAsString(), "the first damaged original");
    juce::MemoryBlock backup;
    ASSERT_TRUE (juce::File (path ("LIVE.vandorium2.bak")).loadFileAsData (backup));
    EXPECT_EQ (backup.toString().toStdString(), cut);

    // Nothing to rescue: refused, the file left as it is.
    ASSERT_TRUE (juce::File (path ("NOISE.vandorium")).replaceWithText ("noise"));
    EXPECT_EQ (runTool ({ "check", "--repair", path ("NOISE.vandorium") }).exitCode, 2);
    EXPECT_EQ (juce::File (path ("NOISE.vandorium")).loadFileAsString(), "noise");
    EXPECT_FALSE (juce::File (path ("NOISE.vandorium.bak")).exists());
}

TEST_F (VandoriumToolTest, OutputsGoOnlyIntoExistingFoldersAndNamesPrintSafely)
{
    std::vector<BXVandoriumPreset> presets (32);
    presets[0].name = juce::String::charToString (0x1b) + "[2J";
    const auto payload = encodeBankDump (presets);
    ASSERT_TRUE (juce::File (path ("bank.syx")).replaceWithData (payload.getData(), payload.getSize()));

    const auto listed = runTool ({ "list", path ("bank.syx") });
    EXPECT_EQ (listed.exitCode, 0);
    EXPECT_TRUE (listed.output.startsWith ("01 ?[2J\n")) << listed.output;

    writeLibrary ("ONE.vandorium", 1);
    const auto missingFolder = temp.getRoot().getChildFile ("no such folder");

    EXPECT_EQ (runTool ({ "to-syx", path ("ONE.vandorium"), missingFolder.getChildFile ("out.syx").getFullPathName() }).exitCode, 2);
    EXPECT_EQ (runTool ({ "from-syx", path ("bank.syx"), missingFolder.getChildFile ("out.vandorium").getFullPathName() }).exitCode, 2);
    EXPECT_FALSE (missingFolder.exists());
}
