#pragma once

#include <juce_core/juce_core.h>

#include <optional>
#include <vector>

/** Writes the standard Base64 text of count bytes into out, which holds
    exactly outLength characters ((count + 2) / 3 * 4); no terminating zero.
*/
void base64Encode (const juce::uint8* data, size_t count, size_t outLength, char* out) noexcept;

/** The Base64 text of a byte range. */
juce::String base64Encode (const void* data, size_t count);

/** Decodes standard Base64. Gives no result for a length that is not a
    multiple of 4 or for a character outside the alphabet (other than "=");
    an empty text gives an empty buffer.
*/
std::optional<std::vector<juce::uint8>> base64Decode (const char* text, size_t length);

std::optional<std::vector<juce::uint8>> base64Decode (const juce::String& text);

/** Decodes like base64Decode, keeping only the first `capacity` bytes in
    `out` (the whole text is still checked). Gives the full decoded length,
    or no result for text that is not valid Base64.
*/
std::optional<size_t> base64DecodePrefix (const char* text, size_t length, juce::uint8* out, size_t capacity) noexcept;
