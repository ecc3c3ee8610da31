#pragma once

#include "model/BXVandoriumLibrary.h"

#include <juce_core/juce_core.h>

#include <vector>

/** The libraries the library manager lists, and the rules of its commands,
    without a window: "ALL" (every other library's presets, rebuilt), the
    two factory libraries, then every user library file of the library
    folder in name order. Each command changes the files at once and tells
    what happened in an outcome the window shows.
*/
class LibraryCatalogue final
{
public:
    //==============================================================================
    /** What a command did: nothing to say, or a message for an "Error" box. */
    struct Outcome
    {
        bool done = false;
        juce::String error; // empty when there is nothing to tell
        int selectedRow = -1; // the row to select afterwards, or -1
    };

    LibraryCatalogue (juce::String libraryFolder, juce::File resourceFolder);

    /** Reads the library folder again and rebuilds "ALL". */
    void reload();

    /** "ALL" again, from the other libraries as they are in memory. */
    void rebuildAll();

    const std::vector<BXVandoriumLibrary>& getLibraries() const noexcept { return libraries; }

    /** The list itself, for a list model that shows it. */
    std::vector<BXVandoriumLibrary>& librariesForList() noexcept { return libraries; }
    BXVandoriumLibrary& getLibrary (size_t row) { return libraries[row]; }
    size_t size() const noexcept { return libraries.size(); }

    /** The first row, from 1, of a library of that name, or -1. */
    int rowOf (const juce::String& name) const;

    /** Whether the row holds a user library (one with a file the user may change). */
    bool isUserLibrary (int row) const;

    //==============================================================================
    /** "NEW LIBRARY n" for the first n from 1 that no library file uses. */
    juce::String proposeNewName() const;

    /** "New": an empty library file of that name (sanitised). */
    Outcome createLibrary (juce::String name);

    /** "Rename" of the user library at a row. */
    Outcome renameLibrary (int row, juce::String name);

    /** "Delete" of the user library at a row; when no user library remains,
        an empty "DEFAULT" takes its place.
    */
    Outcome deleteLibrary (int row);

    /** "load": copies a library file from anywhere into the library folder
        (" 2", " 3", ... before the extension when the name is taken). A
        file that is not a readable library is refused and nothing is copied.
        A bank file (".syx") becomes a new user library named after the file,
        by the same naming rule; a bank file that is cut short or garbled is
        refused and nothing is created.
    */
    Outcome importLibrary (const juce::File& chosen);

    /** "Save": a copy of the user library at a row's file, as chosen (".vandorium"
        appended unless the name ends with it exactly, or ".syx"). A name
        ending in ".syx" exports the library as a bank file instead: its first
        32 presets, missing slots filled with default presets.
    */
    Outcome exportLibrary (int row, const juce::File& chosen) const;

    /** Whether a chosen file is a bank file, by its extension. */
    static bool isBankFile (const juce::File& file);

    /** The target file "load" copies to, and the file "Save" writes. */
    juce::File importTargetFor (const juce::File& chosen) const;
    static juce::File exportTargetFor (const juce::File& chosen);

    /** The "Send All" question for a library. */
    static juce::String sendAllQuestion (const BXVandoriumLibrary& library);

    /** The question before a library becomes a bank file; empty when it fits
        one (32 presets at most) and there is nothing to ask.
    */
    static juce::String bankFileQuestion (const BXVandoriumLibrary& library);

    static constexpr const char* allName = "ALL";
    static constexpr const char* defaultLibraryName = "DEFAULT";

private:
    Outcome importBankFile (const juce::File& chosen);

    juce::String libraryFolder;
    juce::File resourceFolder;
    std::vector<BXVandoriumLibrary> libraries;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LibraryCatalogue)
};
