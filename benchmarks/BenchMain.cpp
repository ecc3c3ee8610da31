// Prints timing figures for the editor's hot paths. No figure here fails a
// build: the targets are read off by people.

#include "DataCoreBench.h"
#include "DeviceBench.h"
#include "EditorBench.h"
#include "LibraryManagerBench.h"

#include <juce_events/juce_events.h>

#include <iostream>

int main (int argc, char* argv[])
{
    juce::ScopedJuceInitialiser_GUI framework;

    const juce::String only = argc > 1 ? juce::String (argv[1]) : juce::String();

    if (only.isEmpty() || only == "data")
        runDataCoreBenchmarks();

    if (only.isEmpty() || only == "device")
        runDeviceBenchmarks();

    if (only.isEmpty() || only == "editor")
        runEditorBenchmarks();

    if (only.isEmpty() || only == "manager")
        runLibraryManagerBenchmarks();

    return 0;
}
