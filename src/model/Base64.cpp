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
    const auto fullGroups = std::min (count / 3, outLength / 4);
    auto* o = out;

    for (size_t g = 0; g < fullGroups; ++g, data += 3)
    {
        const juce::uint32 bits = ((juce::uint32) data[0] << 16) | ((juce::uint32) data[1] << 8) | data[2];
        *o++ = alphabet[(bits >> 18) & 63];
        *o++ = alphabet[(bits >> 12) & 63];
        *o++ = alphabet[(bits >> 6) & 63];
        *o++ = alphabet[bits & 63];
    }

    auto written = (size_t) (o - out);
    const auto remaining = count - fullGroups * 3;

    if (remaining == 0 || written >= outLength)
        return;

    const juce::uint32 bits = ((juce::uint32) data[0] << 16) | (remaining > 1 ? (juce::uint32) data[1] << 8 : 0u)
                              | (remaining > 2 ? (juce::uint32) data[2] : 0u);
    const char group[4] = { alphabet[(bits >> 18) & 63],
                            alphabet[(bits >> 12) & 63],
                            remaining > 1 ? alphabet[(bits >> 6) & 63] : '=',
                            remaining > 2 ? alphabet[bits & 63] : '=' };

    for (int k = 0; k < 4 && written < outLength; ++k)
        out[written++] = group[k];
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
    std::vector<juce::uint8> result (length / 4 * 3);
    const auto decoded = base64DecodePrefix (text, length, result.data(), result.size());

    if (! decoded.has_value())
        return std::nullopt;

    result.resize (*decoded);
    return result;
}

std::optional<std::vector<juce::uint8>> base64Decode (const juce::String& text)
{
    const auto utf8 = text.toRawUTF8();
    return base64Decode (utf8, std::strlen (utf8));
}

std::optional<size_t> base64DecodePrefix (const char* text, size_t length, juce::uint8* out, size_t capacity) noexcept
{
    if (length % 4 != 0)
        return std::nullopt;

    const auto& table = decodeTable();
    size_t outLength = length / 4 * 3;

    if (length > 0 && text[length - 1] == '=')
        --outLength;

    if (length > 1 && text[length - 2] == '=')
        --outLength;

    size_t emitted = 0;

    for (size_t i = 0; i < length; i += 4)
    {
        const auto a = table[(juce::uint8) text[i]];
        const auto b = table[(juce::uint8) text[i + 1]];
        const auto c = table[(juce::uint8) text[i + 2]];
        const auto d = table[(juce::uint8) text[i + 3]];

        if (((a | b | c | d) & 0xc0) != 0)
            return std::nullopt;

        const juce::uint32 bits = ((juce::uint32) a << 18) | ((juce::uint32) b << 12) | ((juce::uint32) c << 6) | d;

        for (int shift = 16; shift >= 0 && emitted < outLength; shift -= 8, ++emitted)
            if (emitted < capacity)
                out[emitted] = (juce::uint8) (bits >> shift);
    }

    return outLength;
}
