#include "BXVandoriumLibrary.h"

#include "Base64.h"
#include "EditorSettings.h"
#include "SafeFileWriter.h"
#include "Utf8Text.h"
#include "XmlFile.h"
#include "XmlText.h"

//==============================================================================
BXVandoriumLibrary::BXVandoriumLibrary (const juce::String& path, bool factory)
    : isVirtual (false)
    , isFactory (factory)
    , name (nameFromFileName (juce::File::createFileWithoutCheckingPath (path).getFileName()))
    , filePath (path)
{
    LoadReport ignored;
    read (ignored);
}

BXVandoriumLibrary::BXVandoriumLibrary (const juce::String& path, bool factory, LoadReport& report)
    : isVirtual (false)
    , isFactory (factory)
    , name (nameFromFileName (juce::File::createFileWithoutCheckingPath (path).getFileName()))
    , filePath (path)
{
    read (report);
}

juce::String BXVandoriumLibrary::nameFromFileName (const juce::String& fileName)
{
    return fileName.replace (fileExtension, "");
}

namespace
{
// The Base64 text of a stored block: 122 bytes give 164 characters.
constexpr size_t storedDataLength = ((size_t) PresetDataBlock::storedSize + 2) / 3 * 4;

/** The number of presets a library document gives, without building them. */
size_t countReadablePresets (const XmlFile& xml)
{
    const auto root = xml.root();

    if (! root || std::strcmp (root.name(), "Presets") != 0)
        return std::numeric_limits<size_t>::max();

    size_t count = 0;

    // The length the reader needs; the writer made the characters.
    for (auto element : root.children ("Preset"))
    {
        const auto length = std::strlen (element.attribute ("data").value());

        if (length % 4 == 0 && length >= storedDataLength)
            ++count;
    }

    return count;
}
} // namespace

void BXVandoriumLibrary::read (LoadReport& report)
{
    XmlFile xml;
    xml.load (fileForPath (filePath));
    presets = presetsOf (xml, report, false);

    using Problem = LoadReport::FileProblem;
    fileNeedsKeeping = report.fileProblem == Problem::notWellFormed || report.fileProblem == Problem::tooDeep
                       || report.fileProblem == Problem::tooManyElements
                       || report.fileProblem == Problem::wrongRoot || report.fileProblem == Problem::tooLarge
                       || report.fileProblem == Problem::unreadable;
}

bool BXVandoriumLibrary::keepDamagedFile() const
{
    if (! fileNeedsKeeping)
        return true;

    const auto file = fileForPath (filePath);

    if (file.existsAsFile())
    {
        auto copy = file.getSiblingFile (file.getFileName() + damagedCopySuffix);

        if (copy.exists())
            copy = copy.getNonexistentSibling (false);

        if (! copyFileSafely (file, copy, XmlFile::maxFileBytes))
            return false;
    }

    fileNeedsKeeping = false;
    return true;
}

std::vector<BXVandoriumPreset> BXVandoriumLibrary::presetsFromFileBytes (const void* data, size_t size, LoadReport& report)
{
    XmlFile xml;
    xml.parse (data, size);
    return presetsOf (xml, report, false);
}

BXVandoriumLibrary BXVandoriumLibrary::rescue (const juce::String& path, LoadReport& report)
{
    BXVandoriumLibrary library;
    library.isVirtual = false;
    library.name = nameFromFileName (juce::File::createFileWithoutCheckingPath (path).getFileName());
    library.filePath = path;

    XmlFile xml;
    xml.load (fileForPath (path));
    library.presets = presetsOf (xml, report, true);
    return library;
}

std::vector<BXVandoriumPreset> BXVandoriumLibrary::presetsOf (const XmlFile& xml, LoadReport& report, bool rescuing)
{
    using Problem = LoadReport::FileProblem;
    static constexpr Problem problems[] = { Problem::none, Problem::missing, Problem::notRegularFile, Problem::tooLarge, Problem::unreadable, Problem::notWellFormed, Problem::tooDeep, Problem::tooManyElements };

    report = {};
    report.fileProblem = problems[(int) xml.problem];
    report.fileProblemText = xml.describe();

    std::vector<BXVandoriumPreset> result;
    const auto root = rescuing ? xml.partialRoot() : xml.root();

    if (! root)
        return result;

    if (std::strcmp (root.name(), "Presets") != 0)
    {
        report.fileProblem = Problem::wrongRoot;
        report.fileProblemText = "has no <Presets> root element";
        return result;
    }

    int index = 0;

    for (auto element = root.first_child(); element; element = element.next_sibling())
    {
        if (element.type() != pugi::node_element)
            continue;

        const auto elementIndex = index++;
        auto skip = [&] (const juce::String& reason)
        { report.skipped.push_back ({ elementIndex, stringFromUntrustedUtf8 (element.name()), reason }); };

        if (std::strcmp (element.name(), "Preset") != 0)
        {
            skip ("not a Preset element");
            continue;
        }

        const auto data = element.attribute ("data");

        if (! data)
        {
            skip ("no data attribute");
            continue;
        }

        // Decoded on the stack: only the first 122 bytes make the block.
        juce::uint8 block[PresetDataBlock::storedSize];
        const auto decodedLength = base64DecodePrefix (data.value(), std::strlen (data.value()), block, sizeof (block));

        if (! decodedLength.has_value())
        {
            skip ("data is not valid Base64");
            continue;
        }

        if (*decodedLength < (size_t) PresetDataBlock::storedSize)
        {
            skip ("data holds " + juce::String ((int) *decodedLength) + " bytes, a preset needs 122");
            continue;
        }

        // Library files keep each word high byte first.
        PresetDataBlock::Words words {};

        for (size_t i = 0; i < words.size(); ++i)
            words[i] = PresetDataBlock::bigEndianWord (block, i);

        // The name attribute replaces the name the block carries.
        int replacedBytes = 0;
        const auto rawName = attributeText (element, "name", &replacedBytes);
        const auto presetName = BXVandoriumPreset::cleanName (rawName);

        if (replacedBytes > 0 || presetName != rawName.substring (0, BXVandoriumPreset::maxNameLength))
            ++report.namesRepaired;

        result.push_back (BXVandoriumPreset::fromDataBlock (words, presetName));
        ++report.loaded;
    }

    return result;
}

//==============================================================================
juce::String BXVandoriumLibrary::toFileText() const
{
    const auto bytes = toFileBytes();
    return juce::String::fromUTF8 (bytes.data(), (int) bytes.size());
}

std::string BXVandoriumLibrary::toFileBytes() const
{
    // One buffer, written in place: 193 bytes a line plus the name.
    std::string text;
    text.reserve (24 + presets.size() * 224);
    text.append ("<Presets>\r\n");

    for (const auto& preset : presets)
    {
        const auto words = preset.toWords (0);
        juce::uint8 bytes[PresetDataBlock::storedSize];

        for (size_t i = 0; i < words.size(); ++i)
            PresetDataBlock::putBigEndianWord (bytes, i, words[i]);

        text.append ("\t<Preset name=\"");
        appendEscapedAttribute (text, preset.name);
        text.append ("\" data=\"");

        const auto dataStart = text.size();
        text.resize (dataStart + storedDataLength);
        base64Encode (bytes, sizeof (bytes), storedDataLength, text.data() + dataStart);
        text.append ("\" />\r\n");
    }

    text.append ("</Presets>\r\n");
    return text;
}

bool BXVandoriumLibrary::writeFileBytes (juce::OutputStream& out) const
{
    const auto bytes = toFileBytes();
    return out.write (bytes.data(), bytes.size());
}

bool BXVandoriumLibrary::save() const
{
    if (isVirtual)
        return true;

    // A factory file is read-only, whatever the caller asks.
    if (isFactory)
        return false;

    // Never write over a file that could not be read without a copy of it.
    if (! keepDamagedFile())
        return false;

    // One block and one write: many small writes cost more than building it.
    const auto bytes = toFileBytes();
    const auto expected = presets.size();

    // The written file must read back with every preset before it may
    // replace the old one.
    return replaceFileContent (fileForPath (filePath), bytes.data(), bytes.size(), [expected] (const juce::File& written)
                               {
                                   XmlFile xml;
                                   xml.load (written, XmlFile::Detail::structure);
                                   return countReadablePresets (xml) == expected; });
}

//==============================================================================
void BXVandoriumLibrary::sanitiseName (juce::String& candidate)
{
    for (auto c : { '/', '\\', '?', '%', '*', '|', '"', '<', '>' })
        candidate = candidate.replaceCharacter ((juce::juce_wchar) c, '_');
}

bool BXVandoriumLibrary::isNameAvailable (juce::String& candidate, const juce::String& libraryFolder)
{
    for (auto reserved : { "all", "editor factory", "vandorium factory" })
        if (candidate.equalsIgnoreCase (reserved))
            return false;

    sanitiseName (candidate);
    return ! fileForPath (libraryFolder + candidate + fileExtension).exists();
}

bool BXVandoriumLibrary::isNameAvailable (juce::String& candidate)
{
    return isNameAvailable (candidate, EditorSettings::getInstance().libraryFolder);
}

bool BXVandoriumLibrary::setName (juce::String& newName, const juce::String& libraryFolder)
{
    sanitiseName (newName);

    if (newName != name && isNameAvailable (newName, libraryFolder))
    {
        // The old file goes below: keep a copy first if it could not be read.
        if (! keepDamagedFile())
            return false;

        // The library's own file: a name is not always its file name.
        const auto oldFile = fileForPath (filePath);
        const auto oldName = name;
        const auto oldPath = filePath;

        name = newName;
        filePath = libraryFolder + newName + fileExtension;

        // Write the new file before the old one goes, so a failed write
        // never leaves the presets without a file.
        if (! save())
        {
            name = oldName;
            filePath = oldPath;
            return false;
        }

        if (oldFile.getFullPathName() != filePath)
            oldFile.deleteFile();

        return true;
    }

    if (name.isEmpty() && isVirtual)
        name = newName;

    return true;
}

bool BXVandoriumLibrary::setName (juce::String& newName)
{
    return setName (newName, EditorSettings::getInstance().libraryFolder);
}

bool BXVandoriumLibrary::appendPresetsOf (const BXVandoriumLibrary& other)
{
    // Copy first: the other library may be this one.
    const auto copies = other.presets;
    presets.insert (presets.end(), copies.begin(), copies.end());
    return save();
}

bool BXVandoriumLibrary::removePreset (size_t index, bool saveNow)
{
    if (index >= presets.size())
        return true;

    presets.erase (presets.begin() + (std::ptrdiff_t) index);
    return saveNow ? save() : true;
}

BXVandoriumLibrary BXVandoriumLibrary::resolve (const juce::String& libraryName,
                                                const juce::String& libraryFolder,
                                                const juce::File& resourceFolder)
{
    const auto userFile = fileForPath (libraryFolder + libraryName + fileExtension);

    if (userFile.existsAsFile())
        return BXVandoriumLibrary (userFile.getFullPathName(), false);

    return BXVandoriumLibrary (resourceFolder.getChildFile (libraryName + fileExtension).getFullPathName(), true);
}
