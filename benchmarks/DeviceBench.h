#pragma once

/** Editor-side cost of a full synchronisation and of one controller message. */
void runDeviceBenchmarks();
