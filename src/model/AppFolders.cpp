#include "AppFolders.h"

namespace
{
std::optional<AppFolders>& substituted()
{
    static std::optional<AppFolders> folders;
    return folders;
}
} // namespace

juce::File AppFolders::resourceFolderBesideExecutable()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile)
        .getParentDirectory()
        .getChildFile ("Resources");
}

AppFolders AppFolders::fromSystem()
{
    return { juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory),
             juce::File::getSpecialLocation (juce::File::userDocumentsDirectory),
             resourceFolderBesideExecutable(),
             juce::File::getSpecialLocation (juce::File::userHomeDirectory) };
}

AppFolders AppFolders::current()
{
    if (substituted().has_value())
        return *substituted();

    return fromSystem();
}

void AppFolders::substitute (const AppFolders& folders)
{
    substituted() = folders;
}
