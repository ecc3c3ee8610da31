#pragma once

#include "AppFolders.h"
#include "model/BuildInfo.h"

#include <juce_core/juce_core.h>

class XmlFile;

/** The editor's few stored choices and its two folders, kept in
    "settings.xml" in the settings folder and written whenever a choice
    changes. The firmware version text travels with it but is never stored.
*/
class EditorSettings final
{
public:
    //==============================================================================
    /** The settings and library folders are named after the product. */
    static constexpr const char* subfolderName = BuildInfo::productName;
    static constexpr const char* settingsFileName = "settings.xml";
    static constexpr const char* defaultLibraryName = "DEFAULT";

    /** Settings with their initial values; nothing is read yet. */
    EditorSettings() = default;

    /** The process-wide settings, loaded on the first call from the
        process's folders (see AppFolders::current).
    */
    static EditorSettings& getInstance();

    /** Prepares the folders, reads the settings file and, on a first start,
        copies the editor's factory library as "DEFAULT".
    */
    void load (const AppFolders& folders);

    /** Writes all stored fields. Returns false when the file could not be
        written; the previous file then stays as it was.
    */
    bool save() const;

    /** Applies a settings file's bytes to the stored fields, as loading
        does; anything that is not a clean settings file changes nothing.
    */
    void applyFileBytes (const void* data, size_t size, const juce::String& defaultLibraryFolder);

    /** Whether the fields that the file stores are equal. */
    bool hasSameStoredValues (const EditorSettings& other) const;

    /** The exact text that save writes. */
    juce::String toFileText() const;

    juce::File getSettingsFile() const;
    juce::File getResourceFolder() const { return resourceFolder; }

    //==============================================================================
    bool loaded = false;
    juce::String firmwareVersion;
    juce::String settingsFolder;
    juce::String libraryFolder;
    bool showQuickStartGuide = true;
    bool showTooltips = true;
    juce::String currentLibraryName { defaultLibraryName };

private:
    void readFile (const juce::String& defaultLibraryFolder);
    void applyDocument (const XmlFile& xml, const juce::String& defaultLibraryFolder);
    void prepareFirstStartLibrary (const juce::File& defaultLibraryFolder);

    juce::File resourceFolder;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EditorSettings)
};
