#include "AppFolders.h"

namespace
{
std::optional<AppFolders>& substituted()
{
    static std::optional<AppFolders> folders;
    return folders;
}
} // namespace

juce::File AppFolders::executableFile()
{
    // The executable's real place: started through a link on the PATH, the
    // framework's answer would be the link (or, with a bare command name, a
    // file in the working folder).
    if (const juce::File self ("/proc/self/exe"); self.isSymbolicLink())
        if (const auto target = self.getLinkedTarget(); target.existsAsFile())
            return target;

    return juce::File::getSpecialLocation (juce::File::currentExecutableFile);
}

juce::File AppFolders::resourceFolderBesideExecutable()
{
    return executableFile().getParentDirectory().getChildFile ("Resources");
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
