#pragma once

#include "BXVandoriumPreset.h"

#include <juce_core/juce_core.h>

#include <vector>

class XmlFile;

/** A named, ordered list of presets, normally backed by one ".vandorium" file.

    A virtual library (the aggregate "ALL" and the copy of the instrument's
    bank) has no file and is never written. A factory library is opened from
    the resource folder; callers refuse to modify it.
*/
class BXVandoriumLibrary
{
public:
    //==============================================================================
    static constexpr const char* fileExtension = ".vandorium";

    /** What a library file's reader skipped, and why. */
    struct LoadReport
    {
        enum class FileProblem
        {
            none,
            missing,
            notRegularFile,
            tooLarge,
            unreadable,
            notWellFormed,
            tooDeep,
            tooManyElements,
            wrongRoot
        };

        struct Skipped
        {
            int elementIndex; // position among the root's child elements, from 0
            juce::String tagName;
            juce::String reason;
        };

        FileProblem fileProblem = FileProblem::none;
        juce::String fileProblemText; // "is a folder, not a file", ...
        std::vector<Skipped> skipped;
        int loaded = 0;
        int namesRepaired = 0; // names with bytes that were not UTF-8, or characters a preset cannot hold
    };

    /** An empty virtual library named "ALL". */
    BXVandoriumLibrary() = default;

    /** Reads a library file; never fails: problems give an empty library. */
    BXVandoriumLibrary (const juce::String& path, bool factory);

    /** Reads a library file and tells what it skipped. */
    BXVandoriumLibrary (const juce::String& path, bool factory, LoadReport& report);

    /** The presets a library file's bytes hold, as the loading constructor
        reads them; anything that is not a clean library gives none.
    */
    static std::vector<BXVandoriumPreset> presetsFromFileBytes (const void* data, size_t size, LoadReport& report);

    /** Reads what a damaged library file still holds: from a file that breaks
        off or turns malformed, the presets before the damage.
    */
    static BXVandoriumLibrary rescue (const juce::String& path, LoadReport& report);

    BXVandoriumLibrary (const BXVandoriumLibrary&) = default;
    BXVandoriumLibrary& operator= (const BXVandoriumLibrary&) = default;
    BXVandoriumLibrary (BXVandoriumLibrary&&) noexcept = default;
    BXVandoriumLibrary& operator= (BXVandoriumLibrary&&) noexcept = default;
    virtual ~BXVandoriumLibrary() = default;

    //==============================================================================
    juce::String getName() const { return name; }
    juce::String getFilePath() const { return filePath; }

    /** Rewrites the whole file from the presets. Does nothing for a virtual
        library (and reports success); refuses a factory library (false).
        Returns false when the file could not be written; the previous file
        content then stays.
    */
    bool save() const;

    /** The exact file text that save writes. */
    juce::String toFileText() const;

    /** The same text as the UTF-8 bytes of the file. */
    std::string toFileBytes() const;

    /** Streams the file's bytes; false when the stream refused them. */
    bool writeFileBytes (juce::OutputStream& out) const;

    /** Renames the library and its file inside the given library folder; the
        caller's string is sanitised in place. Returns false when the new file
        could not be written.
    */
    bool setName (juce::String& newName, const juce::String& libraryFolder);

    /** The same, inside the settings' library folder. */
    bool setName (juce::String& newName);

    /** Appends copies of all presets of another library, then saves. */
    bool appendPresetsOf (const BXVandoriumLibrary& other);

    /** Removes one preset (an index out of range is ignored) and saves when
        saveNow is true.
    */
    bool removePreset (size_t index, bool saveNow);

    /** Whether a new or renamed user library may take this name in the given
        folder; the caller's string is sanitised in place.
    */
    static bool isNameAvailable (juce::String& candidate, const juce::String& libraryFolder);

    /** The same, for the settings' library folder. */
    static bool isNameAvailable (juce::String& candidate);

    /** The nine characters that file names cannot hold become "_". */
    static void sanitiseName (juce::String& candidate);

    /** The library name a file name gives: every ".vandorium" removed. */
    static juce::String nameFromFileName (const juce::String& fileName);

    /** A library for a remembered name: the user file when it exists,
        otherwise the factory file of that name (possibly missing, so empty).
    */
    static BXVandoriumLibrary resolve (const juce::String& libraryName,
                                       const juce::String& libraryFolder,
                                       const juce::File& resourceFolder);

    //==============================================================================
    bool isVirtual = true;
    bool isFactory = false;
    juce::String name { "ALL" };
    juce::String filePath;
    std::vector<BXVandoriumPreset> presets;

    /** A file that was there but could not be read is copied to
        "NAME.vandorium.bak" before the first save writes over it, so that
        what it held can still be rescued ("vandorium-tool check --repair").
    */
    static constexpr const char* damagedCopySuffix = ".bak";

private:
    void read (LoadReport& report);
    bool keepDamagedFile() const;

    // Set when the file existed but did not read as a library.
    mutable bool fileNeedsKeeping = false;
    static std::vector<BXVandoriumPreset> presetsOf (const XmlFile& xml, LoadReport& report, bool rescuing);
};
