#pragma once

/** Loading a library preset in which every control changes, with its MIDI sent. */
void runEditorBenchmarks();
