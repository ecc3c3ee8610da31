#include "model/BXVandoriumLibrary.h"
#include "model/Base64.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
class LibraryFileTest : public testing::Test
{
protected:
    juce::File fileNamed (const juce::String& fileName) const { return folder().getChildFile (fileName); }

    juce::File folder() const { return juce::File (temp.libraryFolder()); }

    BXVandoriumLibrary libraryWith (const juce::String& libraryName, std::initializer_list<const char*> presetNames) const
    {
        BXVandoriumLibrary library (fileNamed (libraryName + ".vandorium").getFullPathName(), false);

        for (auto* presetName : presetNames)
        {
            BXVandoriumPreset preset;
            preset.name = presetName;
            library.presets.push_back (preset);
        }

        return library;
    }

    void SetUp() override { folder().createDirectory(); }

    TempFolder temp;
};

juce::String dataOfDefaultPreset()
{
    BXVandoriumLibrary library (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("x.vandorium").getFullPathName(), false);
    library.presets.emplace_back();
    const auto text = library.toFileText();
    return text.fromFirstOccurrenceOf ("data=\"", false, false).upToFirstOccurrenceOf ("\"", false, false);
}
} // namespace

TEST_F (LibraryFileTest, WritesTheFileByteForByte)
{
    auto library = libraryWith ("ONE", { "NEW PRESET" });
    ASSERT_TRUE (library.save());

    juce::MemoryBlock bytes;
    fileNamed ("ONE.vandorium").loadFileAsData (bytes);
    EXPECT_EQ (bytes.getSize(), 226u);

    const auto text = bytes.toString();
    EXPECT_TRUE (text.startsWith ("<Presets>\r\n\t<Preset name=\"NEW PRESET\" data=\""));
    EXPECT_TRUE (text.endsWith ("=\" />\r\n</Presets>\r\n"));

    const auto data = dataOfDefaultPreset();
    EXPECT_EQ (data.length(), 164);
    EXPECT_TRUE (data.endsWith ("=") && ! data.endsWith ("=="));

    // Word 0 is the slot number 0, stored high byte first.
    const auto decoded = base64Decode (data);
    ASSERT_TRUE (decoded.has_value());
    EXPECT_EQ ((*decoded)[0], 0);
    EXPECT_EQ ((*decoded)[2], 0);
    EXPECT_EQ ((*decoded)[3], 'N');

    auto empty = libraryWith ("EMPTY", {});
    ASSERT_TRUE (empty.save());
    EXPECT_EQ (fileNamed ("EMPTY.vandorium").getSize(), 23);
}

TEST_F (LibraryFileTest, SaveAndReloadKeepsPresetsNamesAndOrder)
{
    auto library = libraryWith ("ROUND", { "ONE", "B&B <X> \"Q\"", "THREE" });
    library.presets[2].scanRate = 1234;
    library.presets[2].passThroughHigh = 9;
    ASSERT_TRUE (library.save());

    EXPECT_TRUE (fileNamed ("ROUND.vandorium").loadFileAsString().contains ("B&amp;B &lt;X&gt; &quot;Q&quot;"));

    const BXVandoriumLibrary reloaded (library.getFilePath(), false);
    EXPECT_EQ (reloaded.getName(), "ROUND");
    EXPECT_FALSE (reloaded.isVirtual);
    ASSERT_EQ (reloaded.presets.size(), 3u);

    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ (reloaded.presets[i], library.presets[i]);

    EXPECT_EQ (reloaded.toFileText(), library.toFileText());
}

TEST_F (LibraryFileTest, ReaderToleratesOddDocumentsAndSkipsBrokenPresets)
{
    const auto data = dataOfDefaultPreset();

    struct Case
    {
        const char* description;
        juce::String content;
        std::vector<juce::String> expectedNames;
        size_t expectedSkips;
    };

    const Case cases[] = {
        { "lower-case root", "<presets><Preset name=\"A\" data=\"" + data + "\"/></presets>", {}, 0 },
        { "not XML", "this is not a library", {}, 0 },
        { "declaration, comment, other element, single quotes",
          "<?xml version=\"1.0\"?><!-- hi --><Presets><Preset data='" + data + "' name='ONE'/><Other/>"
                                                                               "<Preset name=\"TWO\" data=\""
              + data + "\"/></Presets>",
          { "ONE", "TWO" },
          1 },
        { "long name is cut", "<Presets><Preset name=\"ABCDEFGHIJKLMNOPQRST\" data=\"" + data + "\"/></Presets>", { "ABCDEFGHIJKLM" }, 0 },
        { "missing name", "<Presets><Preset data=\"" + data + "\"/></Presets>", { "" }, 0 },
        { "missing, invalid and short data next to a good one",
          "<Presets><Preset name=\"NODATA\"/><Preset name=\"BAD\" data=\"" + data.replaceSection (10, 1, "!") + "\"/>"
                                                                                                                "<Preset name=\"SHORT\" data=\"AAAA\"/><Preset name=\"ODD\" data=\"AAA\"/>"
                                                                                                                "<Preset name=\"GOOD\" data=\""
              + data + "\"/></Presets>",
          { "GOOD" },
          4 },
    };

    for (const auto& c : cases)
    {
        const auto file = fileNamed ("CASE.vandorium");
        ASSERT_TRUE (file.replaceWithText (c.content));

        BXVandoriumLibrary::LoadReport report;
        const BXVandoriumLibrary library (file.getFullPathName(), true, report);
        EXPECT_TRUE (library.isFactory);
        EXPECT_EQ (library.getName(), "CASE");

        std::vector<juce::String> names;

        for (const auto& preset : library.presets)
            names.push_back (preset.name);

        EXPECT_EQ (names, c.expectedNames) << c.description;
        EXPECT_EQ (report.skipped.size(), c.expectedSkips) << c.description;
    }

    const BXVandoriumLibrary missing (fileNamed ("NOWHERE.vandorium").getFullPathName(), false);
    EXPECT_EQ (missing.getName(), "NOWHERE");
    EXPECT_TRUE (missing.presets.empty());
}

TEST_F (LibraryFileTest, NameComesFromTheFileName)
{
    EXPECT_EQ (BXVandoriumLibrary::nameFromFileName ("Bass.vandorium"), "Bass");
    EXPECT_EQ (BXVandoriumLibrary::nameFromFileName ("Bass.VANDORIUM"), "Bass.VANDORIUM");
    EXPECT_EQ (BXVandoriumLibrary::nameFromFileName ("a.vandoriumb.vandorium"), "ab");
}

TEST_F (LibraryFileTest, VirtualLibrariesAreNeverWritten)
{
    BXVandoriumLibrary all;
    EXPECT_EQ (all.getName(), "ALL");
    EXPECT_TRUE (all.isVirtual);

    all.presets.emplace_back();
    EXPECT_TRUE (all.save());
    EXPECT_TRUE (all.appendPresetsOf (libraryWith ("SRC", { "A", "B" })));
    EXPECT_TRUE (all.removePreset (0, true));
    EXPECT_EQ (all.presets.size(), 2u);

    EXPECT_TRUE (folder().findChildFiles (juce::File::findFiles, true).isEmpty());
}

TEST_F (LibraryFileTest, AppendAndRemove)
{
    auto target = libraryWith ("TARGET", { "T1" });
    ASSERT_TRUE (target.appendPresetsOf (libraryWith ("SRC", { "S1", "S2" })));
    EXPECT_EQ (BXVandoriumLibrary (target.getFilePath(), false).presets.size(), 3u);

    // Appending a library to itself doubles it.
    ASSERT_TRUE (target.appendPresetsOf (target));
    EXPECT_EQ (target.presets.size(), 6u);

    auto five = libraryWith ("FIVE", { "1", "2", "3", "4", "5" });
    EXPECT_TRUE (five.removePreset (5, true));
    EXPECT_EQ (five.presets.size(), 5u);
    EXPECT_FALSE (fileNamed ("FIVE.vandorium").exists());

    EXPECT_TRUE (five.removePreset (1, false));
    EXPECT_FALSE (fileNamed ("FIVE.vandorium").exists());
    EXPECT_TRUE (five.removePreset (0, true));
    const BXVandoriumLibrary reloaded (five.getFilePath(), false);
    ASSERT_EQ (reloaded.presets.size(), 3u);
    EXPECT_EQ (reloaded.presets[0].name, "3");
}

TEST_F (LibraryFileTest, RenamingAndNameRules)
{
    const auto libraryFolder = temp.libraryFolder();
    auto library = libraryWith ("OLD", { "P" });
    ASSERT_TRUE (library.save());
    auto other = libraryWith ("TAKEN", {});
    ASSERT_TRUE (other.save());

    for (juce::String refused : { "OLD", "all", "Editor Factory", "VANDORIUM FACTORY", "TAKEN" })
    {
        auto candidate = refused;
        library.setName (candidate, libraryFolder);
        EXPECT_EQ (library.getName(), "OLD") << refused;
        EXPECT_TRUE (fileNamed ("OLD.vandorium").existsAsFile());
    }

    juce::String slashed ("A/B");
    ASSERT_TRUE (library.setName (slashed, libraryFolder));
    EXPECT_EQ (slashed, "A_B");
    EXPECT_EQ (library.getName(), "A_B");
    EXPECT_EQ (library.getFilePath(), libraryFolder + "A_B.vandorium");
    EXPECT_FALSE (fileNamed ("OLD.vandorium").exists());
    EXPECT_EQ (BXVandoriumLibrary (library.getFilePath(), false).presets.size(), 1u);

    juce::String empty;
    EXPECT_TRUE (BXVandoriumLibrary::isNameAvailable (empty, libraryFolder));
    fileNamed (".vandorium").create();
    EXPECT_FALSE (BXVandoriumLibrary::isNameAvailable (empty, libraryFolder));

    juce::String allSorts ("x\\?%*|\"<>/");
    EXPECT_TRUE (BXVandoriumLibrary::isNameAvailable (allSorts, libraryFolder));
    EXPECT_EQ (allSorts, "x_________");

    juce::String reserved ("ALL");
    EXPECT_FALSE (BXVandoriumLibrary::isNameAvailable (reserved, libraryFolder));

    // A virtual library without a name takes one without touching files.
    BXVandoriumLibrary unnamed;
    unnamed.name = {};
    juce::String taken ("TAKEN");
    unnamed.setName (taken, libraryFolder);
    EXPECT_EQ (unnamed.getName(), "TAKEN");
}

TEST_F (LibraryFileTest, FailedWritesAreReportedAndKeepTheOldFile)
{
    // A folder standing where the file should be cannot be replaced.
    auto blocked = libraryWith ("BLOCKED", { "P" });
    fileNamed ("BLOCKED.vandorium").createDirectory();
    EXPECT_FALSE (blocked.save());

    // A parent that is a file cannot become a folder.
    fileNamed ("plainfile").create();
    BXVandoriumLibrary nowhere (fileNamed ("plainfile").getChildFile ("X.vandorium").getFullPathName(), false);
    EXPECT_FALSE (nowhere.save());

    // A rename whose new file cannot be written keeps the old file and name.
    auto library = libraryWith ("KEEP", { "P" });
    ASSERT_TRUE (library.save());
    juce::String newName ("NEW");
    const auto unwritableFolder = fileNamed ("plainfile").getFullPathName() + "/";
    EXPECT_FALSE (library.setName (newName, unwritableFolder));
    EXPECT_EQ (library.getName(), "KEEP");
    EXPECT_TRUE (fileNamed ("KEEP.vandorium").existsAsFile());
}

TEST_F (LibraryFileTest, ResolvesUserFileBeforeFactoryFile)
{
    const auto resources = temp.resources();
    ASSERT_TRUE (libraryWith ("MINE", { "USER" }).save());

    BXVandoriumLibrary factory (resources.getChildFile ("MINE.vandorium").getFullPathName(), false);
    factory.presets.emplace_back();
    ASSERT_TRUE (factory.save());

    const auto user = BXVandoriumLibrary::resolve ("MINE", temp.libraryFolder(), resources);
    EXPECT_FALSE (user.isFactory);
    EXPECT_EQ (user.presets[0].name, "USER");

    fileNamed ("MINE.vandorium").deleteFile();
    const auto fromFactory = BXVandoriumLibrary::resolve ("MINE", temp.libraryFolder(), resources);
    EXPECT_TRUE (fromFactory.isFactory);
    EXPECT_EQ (fromFactory.presets.size(), 1u);

    const auto nowhere = BXVandoriumLibrary::resolve ("GONE", temp.libraryFolder(), resources);
    EXPECT_TRUE (nowhere.isFactory);
    EXPECT_EQ (nowhere.getName(), "GONE");
    EXPECT_TRUE (nowhere.presets.empty());
}

TEST (Base64, EncodesAndDecodesStandardText)
{
    const struct
    {
        const char* plain;
        const char* encoded;
    } vectors[] = { { "", "" }, { "f", "Zg==" }, { "fo", "Zm8=" }, { "foo", "Zm9v" }, { "foob", "Zm9vYg==" }, { "fooba", "Zm9vYmE=" }, { "foobar", "Zm9vYmFy" } };

    for (const auto& v : vectors)
    {
        EXPECT_EQ (base64Encode (v.plain, std::strlen (v.plain)), v.encoded);
        const auto decoded = base64Decode (juce::String (v.encoded));
        ASSERT_TRUE (decoded.has_value()) << v.encoded;
        EXPECT_EQ (std::string (decoded->begin(), decoded->end()), v.plain);
    }

    const juce::uint8 high[] = { 0xfb, 0xff, 0xbf };
    EXPECT_EQ (base64Encode (high, 3), "+/+/");

    for (const char* refused : { "abc", "Zm9v!A==", "Zm 9", "Zm9\xc3" })
        EXPECT_FALSE (base64Decode (refused, std::strlen (refused)).has_value()) << refused;
}
