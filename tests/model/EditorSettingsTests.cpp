#include "model/BXVandoriumLibrary.h"
#include "model/Base64.h"
#include "model/EditorSettings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace
{
class EditorSettingsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        BXVandoriumLibrary factory (temp.resources().getChildFile ("EDITOR FACTORY.vandorium").getFullPathName(), false);
        factory.presets.emplace_back();
        ASSERT_TRUE (factory.save());
    }

    juce::File settingsFile() const
    {
        return temp.applicationData().getChildFile ("Vandorium Editor").getChildFile ("settings.xml");
    }

    void writeSettings (const juce::String& text) const
    {
        settingsFile().getParentDirectory().createDirectory();
        ASSERT_TRUE (settingsFile().replaceWithText (text));
    }

    std::unique_ptr<EditorSettings> load() const
    {
        auto settings = std::make_unique<EditorSettings>();
        settings->load (temp.folders());
        return settings;
    }

    TempFolder temp;
};
} // namespace

TEST_F (EditorSettingsTest, FirstStartCreatesFoldersAndDefaultLibrary)
{
    const auto settings = load();

    EXPECT_TRUE (settings->loaded);
    EXPECT_EQ (settings->settingsFolder, temp.applicationData().getChildFile ("Vandorium Editor").getFullPathName() + "/");
    EXPECT_EQ (settings->libraryFolder, temp.libraryFolder());
    EXPECT_EQ (settings->currentLibraryName, "DEFAULT");
    EXPECT_TRUE (settings->showQuickStartGuide);
    EXPECT_TRUE (settings->showTooltips);
    EXPECT_TRUE (settings->firmwareVersion.isEmpty());

    const juce::File defaultLibrary (temp.libraryFolder() + "DEFAULT.vandorium");
    EXPECT_TRUE (defaultLibrary.existsAsFile());
    EXPECT_EQ (defaultLibrary.loadFileAsString(), temp.resources().getChildFile ("EDITOR FACTORY.vandorium").loadFileAsString());
    EXPECT_FALSE (settingsFile().exists());
}

TEST_F (EditorSettingsTest, EmptyLibraryFolderGetsTheDefaultAgain)
{
    writeSettings ("<Settings><CurrentLibraryName value=\"BASSES\"/></Settings>");
    EXPECT_EQ (load()->currentLibraryName, "DEFAULT");

    // With a library file present, the remembered name stays.
    EXPECT_EQ (load()->currentLibraryName, "BASSES");
}

TEST_F (EditorSettingsTest, SwitchesReadLikeTheFrameworksBooleans)
{
    const struct
    {
        const char* element;
        bool expected;
    } cases[] = {
        { "<ShowTooltips value=\"true\"/>", true },
        { "<ShowTooltips value=\" yes\"/>", true },
        { "<ShowTooltips value=\"1\"/>", true },
        { "<ShowTooltips value=\"no\"/>", false },
        { "<ShowTooltips value=\"\"/>", false },
        { "<ShowTooltips/>", false },
        { "<Other value=\"0\"/>", true },
        { "<ShowTooltips value=\"0\"/><ShowTooltips value=\"T\"/>", true },
    };

    for (const auto& c : cases)
    {
        writeSettings (juce::String ("<Settings>\n  <Unknown/>\n  ") + c.element + "\n</Settings>");
        EXPECT_EQ (load()->showTooltips, c.expected) << c.element;
    }

    for (const char* ignored : { "<settings><ShowTooltips value=\"0\"/></settings>", "not xml at all", "" })
    {
        writeSettings (ignored);
        EXPECT_TRUE (load()->showTooltips) << ignored;
    }
}

TEST_F (EditorSettingsTest, SavesSixLinesAndReadsThemBack)
{
    auto settings = load();
    settings->showQuickStartGuide = false;
    settings->currentLibraryName = "Drums & <Bass>";
    ASSERT_TRUE (settings->save());

    juce::MemoryBlock bytes;
    settingsFile().loadFileAsData (bytes);
    const auto text = bytes.toString();
    const auto folderBase64 = base64Encode (temp.libraryFolder().toRawUTF8(), std::strlen (temp.libraryFolder().toRawUTF8()));

    EXPECT_EQ (text,
               "<Settings>\r\n"
               "\t<LibraryFilePath value=\""
                   + folderBase64 + "\" />\r\n"
                                    "\t<ShowQuickStartGuide value=\"0\" />\r\n"
                                    "\t<ShowTooltips value=\"1\" />\r\n"
                                    "\t<CurrentLibraryName value=\"Drums &amp; &lt;Bass&gt;\" />\r\n"
                                    "</Settings>\r\n");

    const auto reloaded = load();
    EXPECT_FALSE (reloaded->showQuickStartGuide);
    EXPECT_TRUE (reloaded->showTooltips);
    EXPECT_EQ (reloaded->currentLibraryName, "Drums & <Bass>");
}

TEST_F (EditorSettingsTest, LibraryFolderPathSurvivesAndBadOnesFallBack)
{
    const auto elsewhere = temp.getRoot().getChildFile (juce::CharPointer_UTF8 ("Bibliothèque ☃")).getFullPathName() + "/";
    const auto encoded = base64Encode (elsewhere.toRawUTF8(), std::strlen (elsewhere.toRawUTF8()));

    writeSettings ("<Settings><LibraryFilePath value=\"" + encoded + "\"/></Settings>");
    auto settings = load();
    EXPECT_EQ (settings->libraryFolder, elsewhere);
    ASSERT_TRUE (settings->save());
    EXPECT_EQ (load()->libraryFolder, elsewhere);

    for (const char* bad : { "", "abc", "@@@@", "cmVsYXRpdmU=" /* "relative" */ })
    {
        writeSettings (juce::String ("<Settings><LibraryFilePath value=\"") + bad + "\"/></Settings>");
        EXPECT_EQ (load()->libraryFolder, temp.libraryFolder()) << bad;
    }
}

TEST_F (EditorSettingsTest, UnwritableSettingsFileIsReported)
{
    auto settings = load();
    settingsFile().createDirectory(); // a folder in the file's place
    EXPECT_FALSE (settings->save());
}
