#include "CommandLineHelp.h"

#include "model/AppFolders.h"
#include "model/BuildInfo.h"
#include "model/EditorSettings.h"

namespace CommandLineHelp
{
juce::String versionText()
{
    return juce::String (BuildInfo::productName) + " " + BuildInfo::version + "\n";
}

juce::String helpText()
{
    const auto folders = AppFolders::fromSystem();
    const auto subfolder = juce::String (EditorSettings::subfolderName);

    return "Usage: vandorium-editor [--demo]\n"
           "\n"
           "Shapes the sound of a Vandorium connected over USB, keeps a copy of its\n"
           "32 presets in step with it, and keeps your sounds in libraries.\n"
           "\n"
           "  --demo       work with a simulated instrument; settings and libraries go\n"
           "               to a temporary folder that is removed when the editor ends\n"
           "  --help, -h   show this help and exit\n"
           "  --version    show the version and exit\n"
           "\n"
           "Libraries:  "
           + folders.documents.getChildFile (subfolder).getFullPathName() + "\n"
           + "Settings:   " + folders.applicationData.getChildFile (subfolder).getChildFile (EditorSettings::settingsFileName).getFullPathName() + "\n"
           + "Resources:  " + folders.resources.getFullPathName() + "\n"
           + "\n"
           + "The companion command-line tool is vandorium-tool (see vandorium-tool --help).\n";
}
} // namespace CommandLineHelp
