#include "EditorSettings.h"

#include "Base64.h"
#include "SafeFileWriter.h"
#include "XmlText.h"

namespace
{
juce::String withSeparator (const juce::File& folder)
{
    return folder.getFullPathName() + juce::File::getSeparatorString();
}

// The reading of XmlElement::getBoolAttribute with a default of false.
bool readSwitch (const juce::XmlElement& element)
{
    return element.getBoolAttribute ("value", false);
}
} // namespace

EditorSettings& EditorSettings::getInstance()
{
    static EditorSettings instance;

    if (! instance.loaded)
        instance.load (AppFolders::current());

    return instance;
}

void EditorSettings::load (const AppFolders& folders)
{
    resourceFolder = folders.resources;

    const auto settings = folders.applicationData.getChildFile (subfolderName);
    settings.createDirectory();
    settingsFolder = withSeparator (settings);

    const auto defaultLibraries = folders.documents.getChildFile (subfolderName);
    defaultLibraries.createDirectory();
    libraryFolder = withSeparator (defaultLibraries);

    readFile (libraryFolder);
    prepareFirstStartLibrary (defaultLibraries);
    loaded = true;
}

void EditorSettings::readFile (const juce::String& defaultLibraryFolder)
{
    auto root = juce::XmlDocument::parse (getSettingsFile());

    if (root == nullptr || root->getTagName() != "Settings")
        return;

    for (auto* child : root->getChildIterator())
    {
        const auto tag = child->getTagName();

        if (tag == "LibraryFilePath")
        {
            const auto decoded = base64Decode (child->getStringAttribute ("value"));
            juce::String folder;

            if (decoded.has_value() && ! decoded->empty())
                folder = juce::String::fromUTF8 ((const char*) decoded->data(), (int) decoded->size());

            // A path that decodes to nothing usable keeps the default folder
            // instead of silently writing libraries into the working folder.
            libraryFolder = juce::File::isAbsolutePath (folder) ? folder : defaultLibraryFolder;

            if (! libraryFolder.endsWith (juce::File::getSeparatorString()))
                libraryFolder += juce::File::getSeparatorString();
        }
        else if (tag == "ShowQuickStartGuide")
        {
            showQuickStartGuide = readSwitch (*child);
        }
        else if (tag == "ShowTooltips")
        {
            showTooltips = readSwitch (*child);
        }
        else if (tag == "CurrentLibraryName")
        {
            currentLibraryName = child->getStringAttribute ("value");
        }
    }
}

void EditorSettings::prepareFirstStartLibrary (const juce::File& defaultLibraryFolder)
{
    const auto existing = defaultLibraryFolder.findChildFiles (juce::File::findFiles, false, "*.vandorium");

    if (! existing.isEmpty())
        return;

    resourceFolder.getChildFile ("EDITOR FACTORY.vandorium")
        .copyFileTo (defaultLibraryFolder.getChildFile (juce::String (defaultLibraryName) + ".vandorium"));

    currentLibraryName = defaultLibraryName;
}

juce::File EditorSettings::getSettingsFile() const
{
    return fileForPath (settingsFolder + settingsFileName);
}

juce::String EditorSettings::toFileText() const
{
    const auto folderUtf8 = libraryFolder.toRawUTF8();

    std::string text = "<Settings>\r\n";
    text += "\t<LibraryFilePath value=\"";
    text += base64Encode (folderUtf8, std::strlen (folderUtf8)).toStdString();
    text += "\" />\r\n";
    text += "\t<ShowQuickStartGuide value=\"" + std::to_string (showQuickStartGuide ? 1 : 0) + "\" />\r\n";
    text += "\t<ShowTooltips value=\"" + std::to_string (showTooltips ? 1 : 0) + "\" />\r\n";
    text += "\t<CurrentLibraryName value=\"";
    appendEscapedAttribute (text, currentLibraryName);
    text += "\" />\r\n";
    text += "</Settings>\r\n";

    return juce::String::fromUTF8 (text.data(), (int) text.size());
}

bool EditorSettings::save() const
{
    if (settingsFolder.isEmpty())
        return false;

    return replaceFileContent (getSettingsFile(), toFileText());
}
