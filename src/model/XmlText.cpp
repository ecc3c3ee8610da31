#include "XmlText.h"

void appendEscapedAttribute (std::string& destination, const juce::String& text)
{
    for (auto* p = text.toRawUTF8(); *p != 0; ++p)
    {
        switch (*p)
        {
            case '&':
                destination += "&amp;";
                break;
            case '<':
                destination += "&lt;";
                break;
            case '>':
                destination += "&gt;";
                break;
            case '"':
                destination += "&quot;";
                break;
            default:
                destination += *p;
                break;
        }
    }
}

juce::String escapedAttribute (const juce::String& text)
{
    std::string result;
    appendEscapedAttribute (result, text);
    return juce::String::fromUTF8 (result.data(), (int) result.size());
}
