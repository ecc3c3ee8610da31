#pragma once

#include <juce_core/juce_core.h>

/** Text from bytes that claim to be UTF-8 but may not be: every byte that
    does not belong to a well-formed sequence (stray continuation bytes,
    overlong forms, surrogates, values past U+10FFFF, cut sequences) becomes
    "?". The result always writes back as valid UTF-8.
*/
juce::String stringFromUntrustedUtf8 (const char* bytes, size_t length, int* replacedBytes = nullptr);

/** The same for a zero-terminated text. */
juce::String stringFromUntrustedUtf8 (const char* text, int* replacedBytes = nullptr);
