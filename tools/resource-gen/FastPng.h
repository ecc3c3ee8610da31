#pragma once

#include <juce_graphics/juce_graphics.h>

/** Writes a PNG that decodes several times faster than a compressed one:
    stored (uncompressed) data and no row filters. For the pictures the
    editor's first frame waits for; the package compresses them anyway.
*/
bool writeFastDecodingPng (const juce::Image& image, const juce::File& file);
