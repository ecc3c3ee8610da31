#include "Utf8Text.h"

#include <string>

namespace
{
/** The length of the well-formed sequence at p, or 0 (RFC 3629's table). */
size_t sequenceLength (const unsigned char* p, size_t available) noexcept
{
    const auto lead = p[0];

    if (lead < 0x80)
        return 1;

    auto continuation = [&] (size_t i, unsigned char low = 0x80, unsigned char high = 0xbf)
    { return i < available && p[i] >= low && p[i] <= high; };

    if (lead >= 0xc2 && lead <= 0xdf)
        return continuation (1) ? 2 : 0;

    if (lead >= 0xe0 && lead <= 0xef)
    {
        const auto low = lead == 0xe0 ? (unsigned char) 0xa0 : (unsigned char) 0x80;
        const auto high = lead == 0xed ? (unsigned char) 0x9f : (unsigned char) 0xbf;
        return continuation (1, low, high) && continuation (2) ? 3 : 0;
    }

    if (lead >= 0xf0 && lead <= 0xf4)
    {
        const auto low = lead == 0xf0 ? (unsigned char) 0x90 : (unsigned char) 0x80;
        const auto high = lead == 0xf4 ? (unsigned char) 0x8f : (unsigned char) 0xbf;
        return continuation (1, low, high) && continuation (2) && continuation (3) ? 4 : 0;
    }

    return 0;
}
} // namespace

juce::String stringFromUntrustedUtf8 (const char* bytes, size_t length, int* replacedBytes)
{
    const auto* p = reinterpret_cast<const unsigned char*> (bytes);
    size_t i = 0;

    // Almost every text is valid: check first, copy only when it is not.
    while (i < length)
    {
        const auto n = sequenceLength (p + i, length - i);

        if (n == 0 || (p[i] == 0 && i < length))
            break;

        i += n;
    }

    if (replacedBytes != nullptr)
        *replacedBytes = 0;

    if (i == length)
        return juce::String::fromUTF8 (bytes, (int) length);

    std::string repaired (bytes, i);
    int replaced = 0;

    while (i < length)
    {
        const auto n = p[i] == 0 ? 0 : sequenceLength (p + i, length - i);

        if (n == 0)
        {
            repaired += '?';
            ++replaced;
            ++i;
            continue;
        }

        repaired.append (bytes + i, n);
        i += n;
    }

    if (replacedBytes != nullptr)
        *replacedBytes = replaced;

    return juce::String::fromUTF8 (repaired.data(), (int) repaired.size());
}

juce::String stringFromUntrustedUtf8 (const char* text, int* replacedBytes)
{
    return stringFromUntrustedUtf8 (text, std::strlen (text), replacedBytes);
}
