#include "Base64.h"

namespace
{
constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr juce::uint8 invalid = 0xff;

const std::array<juce::uint8, 256>& decodeTable()
{
    static const auto table = []
    {
        std::array<juce::uint8, 256> t;
        t.fill (invalid);

        for (int i = 0; i < 64; ++i)
            t[(juce::uint8) alphabet[i]] = (juce::uint8) i;

        t[(juce::uint8) '='] = 0;
        return t;
    }();

    return table;
}
} // namespace

void base64Encode (const juce::uint8* data, size_t count, size_t outLength, char* out) noexcept
{
    size_t written = 0;

    for (size_t i = 0; i < count && written < outLength; i += 3)
    {
        const auto remaining = count - i;
        const juce::uint32 bits = ((juce::uint32) data[i] << 16)
                                | (remaining > 1 ? (juce::uint32) data[i + 1] << 8 : 0u)
                                | (remaining > 2 ? (juce::uint32) data[i + 2] : 0u);

        const char group[4] = { alphabet[(bits >> 18) & 63],
                                alphabet[(bits >> 12) & 63],
                                remaining > 1 ? alphabet[(bits >> 6) & 63] : '=',
                                remaining > 2 ? alphabet[bits & 63] : '=' };

        for (int k = 0; k < 4 && written < outLength; ++k)
            out[written++] = group[k];
    }
}

juce::String base64Encode (const void* data, size_t count)
{
    const auto outLength = (count + 2) / 3 * 4;
    juce::HeapBlock<char> text (outLength + 1, true);
    base64Encode (static_cast<const juce::uint8*> (data), count, outLength, text.get());
    return juce::String (text.get(), outLength);
}

std::optional<std::vector<juce::uint8>> base64Decode (const char* text, size_t length)
{
    if (length % 4 != 0)
        return std::nullopt;

    const auto& table = decodeTable();

    size_t outLength = length / 4 * 3;

    if (length > 0 && text[length - 1] == '=')
        --outLength;

    if (length > 1 && text[length - 2] == '=')
        --outLength;

    std::vector<juce::uint8> result;
    result.reserve (outLength);

    for (size_t i = 0; i < length; i += 4)
    {
        juce::uint32 bits = 0;

        for (size_t k = 0; k < 4; ++k)
        {
            const auto value = table[(juce::uint8) text[i + k]];

            if (value == invalid)
                return std::nullopt;

            bits = (bits << 6) | value;
        }

        for (int shift = 16; shift >= 0 && result.size() < outLength; shift -= 8)
            result.push_back ((juce::uint8) (bits >> shift));
    }

    return result;
}

std::optional<std::vector<juce::uint8>> base64Decode (const juce::String& text)
{
    const auto utf8 = text.toRawUTF8();
    return base64Decode (utf8, std::strlen (utf8));
}
