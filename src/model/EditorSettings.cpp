#include "EditorSettings.h"

#include "Base64.h"
#include "SafeFileWriter.h"
#include "Utf8Text.h"
#include "XmlFile.h"
#include "XmlText.h"

namespace
{
juce::String withSeparator (const juce::File& folder)
{
    return folder.getFullPathName() + juce::File::getSeparatorString();
}

// True when the first character after leading white space is 1, t, T, y or
// Y: the framework's boolean reading of an attribute, false when absent.
bool readSwitch (const pugi::xml_node& element)
{
    const auto* p = element.attribute ("value").value();

    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
        ++p;

    return *p == '1' || *p == 't' || *p == 'T' || *p == 'y' || *p == 'Y';
}

// Control characters cannot be written back into an XML attribute.
juce::String printable (const juce::String& text);

// A library name as the file keeps it: printable, and never a path (a "/"
// would let a hand-edited file name a library outside the library folder).
juce::String storableLibraryName (const juce::String& name)
{
    return printable (name).replaceCharacter ('/', '_');
}

juce::String printable (const juce::String& text)
{
    juce::String result;
    result.preallocateBytes (text.getNumBytesAsUTF8());

    for (auto p = text.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();
        result += (c < 0x20 || c == 0x7f) ? (juce::juce_wchar) '?' : c;
    }

    return result;
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

    // Left behind by an instance killed during a save.
    removeStaleTemporaryFiles (settings);
    removeStaleTemporaryFiles (defaultLibraries);

    readFile (libraryFolder);

    if (libraryFolder != withSeparator (defaultLibraries))
        removeStaleTemporaryFiles (fileForPath (libraryFolder));
    prepareFirstStartLibrary (defaultLibraries);
    loaded = true;
}

void EditorSettings::readFile (const juce::String& defaultLibraryFolder)
{
    XmlFile xml;
    xml.load (getSettingsFile());
    applyDocument (xml, defaultLibraryFolder);
}

void EditorSettings::applyFileBytes (const void* data, size_t size, const juce::String& defaultLibraryFolder)
{
    XmlFile xml;
    xml.parse (data, size);
    applyDocument (xml, defaultLibraryFolder);
}

void EditorSettings::applyDocument (const XmlFile& xml, const juce::String& defaultLibraryFolder)
{
    const auto root = xml.root();

    if (! root || std::strcmp (root.name(), "Settings") != 0)
        return;

    for (auto child = root.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;

        const auto* tag = child.name();

        if (std::strcmp (tag, "LibraryFilePath") == 0)
        {
            const auto* value = child.attribute ("value").value();
            const auto decoded = base64Decode (value, std::strlen (value));
            juce::String folder;
            int replacedBytes = 0;

            if (decoded.has_value() && ! decoded->empty())
                folder = stringFromUntrustedUtf8 ((const char*) decoded->data(), decoded->size(), &replacedBytes);

            // A path that decodes to nothing usable keeps the default folder
            // instead of silently writing libraries into the working folder.
            const auto usable = replacedBytes == 0 && juce::File::isAbsolutePath (folder) && printable (folder) == folder;
            libraryFolder = usable ? folder : defaultLibraryFolder;

            if (! libraryFolder.endsWith (juce::File::getSeparatorString()))
                libraryFolder += juce::File::getSeparatorString();
        }
        else if (std::strcmp (tag, "ShowQuickStartGuide") == 0)
        {
            showQuickStartGuide = readSwitch (child);
        }
        else if (std::strcmp (tag, "ShowTooltips") == 0)
        {
            showTooltips = readSwitch (child);
        }
        else if (std::strcmp (tag, "CurrentLibraryName") == 0)
        {
            currentLibraryName = storableLibraryName (attributeText (child, "value"));
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

    // The written file must read back to the same values before it may
    // replace the old one.
    return replaceFileContent (getSettingsFile(), toFileText(), [this] (const juce::File& written)
                               {
                                   XmlFile xml;
                                   xml.load (written);
                                   EditorSettings readBack;
                                   readBack.showQuickStartGuide = ! showQuickStartGuide;
                                   readBack.showTooltips = ! showTooltips;
                                   readBack.applyDocument (xml, {});

                                   // What the file can hold: control characters are read as "?".
                                   return readBack.showQuickStartGuide == showQuickStartGuide && readBack.showTooltips == showTooltips
                                       && readBack.currentLibraryName == storableLibraryName (currentLibraryName)
                                       && (readBack.libraryFolder == libraryFolder || printable (libraryFolder) != libraryFolder); });
}

bool EditorSettings::hasSameStoredValues (const EditorSettings& other) const
{
    return libraryFolder == other.libraryFolder && showQuickStartGuide == other.showQuickStartGuide
           && showTooltips == other.showTooltips && currentLibraryName == other.currentLibraryName;
}
