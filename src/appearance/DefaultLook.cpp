#include "DefaultLook.h"

DefaultLook::DefaultLook (juce::Typeface::Ptr r, juce::Typeface::Ptr b)
    : regular (std::move (r))
    , bold (std::move (b))
{
}

juce::Typeface::Ptr DefaultLook::getTypefaceForFont (const juce::Font& font)
{
    if (font.getTypefaceName() == juce::Font::getDefaultSansSerifFontName())
        if (auto face = font.isBold() && bold != nullptr ? bold : regular; face != nullptr)
            return face;

    return juce::LookAndFeel_V4::getTypefaceForFont (font);
}
