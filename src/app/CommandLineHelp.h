#pragma once

#include <juce_core/juce_core.h>

/** What "vandorium-editor --help" and "--version" print. */
namespace CommandLineHelp
{
juce::String helpText();
juce::String versionText();
} // namespace CommandLineHelp
