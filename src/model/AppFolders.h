#pragma once

#include <juce_core/juce_core.h>

/** The three folders the editor reads and writes: the user's application
    data and documents folders, and the resource folder beside the executable.

    The application uses the system's folders; tests substitute temporary ones
    so that they never touch the real home folder.
*/
struct AppFolders
{
    juce::File applicationData;
    juce::File documents;
    juce::File resources;
    juce::File home; // where file choosers start; tests leave it empty

    /** The running system's folders. */
    static AppFolders fromSystem();

    /** The folders the process uses: the system's, unless substituted. */
    static AppFolders current();

    /** Substitutes the folders for the whole process (tests, demo runs). */
    static void substitute (const AppFolders& folders);

    /** The running executable, links resolved. */
    static juce::File executableFile();

    /** The resource folder "Resources" beside the running executable. */
    static juce::File resourceFolderBesideExecutable();
};
