#pragma once

/** The library manager with 100 user libraries of 100 presets each. */
void runLibraryManagerBenchmarks();
