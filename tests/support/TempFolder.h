#pragma once

#include "model/AppFolders.h"

#include <juce_core/juce_core.h>

/** A fresh temporary folder, deleted with the object, with application-data,
    documents and resource folders inside it.
*/
class TempFolder final
{
public:
    TempFolder()
        // A unique name: tests run in parallel processes.
        : root (juce::File::getSpecialLocation (juce::File::tempDirectory)
                    .getChildFile ("vandorium-test-" + juce::Uuid().toString()))
    {
        root.createDirectory();
        applicationData().createDirectory();
        documents().createDirectory();
        resources().createDirectory();
    }

    ~TempFolder() { root.deleteRecursively(); }

    juce::File getRoot() const { return root; }
    juce::File applicationData() const { return root.getChildFile ("appdata"); }
    juce::File documents() const { return root.getChildFile ("documents"); }
    juce::File resources() const { return root.getChildFile ("Resources"); }

    AppFolders folders() const { return { applicationData(), documents(), resources(), {} }; }

    /** The user library folder the settings derive, with its separator. */
    juce::String libraryFolder() const
    {
        return documents().getChildFile ("Vandorium Editor").getFullPathName() + juce::File::getSeparatorString();
    }

private:
    juce::File root;

    JUCE_DECLARE_NON_COPYABLE (TempFolder)
};
