#include "MessageBody.h"

#include "appearance/ProductPalette.h"
#include "appearance/TextWrap.h"

MessageBody::MessageBody (Icon i, const juce::String& message, int maxWidth)
    : icon (i)
{
    textX = icon == Icon::none ? 0 : iconSize + iconGap;
    const auto font = messageFont();
    lines = layoutLines (message, font, (float) (maxWidth - textX));

    float widest = 0.0f;

    for (const auto& line : lines)
        widest = std::max (widest, font.getStringWidthFloat (line));

    // Room below the text keeps the buttons clear of it.
    setSize (textX + (int) std::ceil (widest) + 2, std::max (icon == Icon::none ? 0 : iconSize, lines.size() * lineHeight()) + bottomGap);
    setInterceptsMouseClicks (false, false);
    setTitle (message);
}

int MessageBody::maxWidthOnMainDisplay()
{
    auto width = 1280;

    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        width = display->userArea.getWidth();

    return (int) ((float) width * 0.7f * 0.8f) - 8;
}

juce::Font MessageBody::messageFont()
{
    return juce::Font (15.0f);
}

int MessageBody::lineHeight()
{
    return (int) std::ceil (messageFont().getHeight() * 1.25f);
}

juce::StringArray MessageBody::layoutLines (const juce::String& message, const juce::Font& font, float maxLineWidth)
{
    juce::StringArray result;

    for (const auto& line : juce::StringArray::fromLines (message))
    {
        if (font.getStringWidthFloat (line) <= maxLineWidth)
        {
            result.add (line);
            continue;
        }

        // The fewest lines that fit, then the narrowest width that still
        // gives that many: the lines come out of even length.
        const auto words = juce::StringArray::fromTokens (line, " ", {});
        const auto count = fillLinesWithWords (words, font, maxLineWidth).size();
        auto low = 1.0f, high = maxLineWidth;

        for (int step = 0; step < 24; ++step)
        {
            const auto mid = (low + high) * 0.5f;
            (fillLinesWithWords (words, font, mid).size() > count ? low : high) = mid;
        }

        result.addArray (fillLinesWithWords (words, font, high));
    }

    return result;
}

void MessageBody::drawIcon (juce::Graphics& g, Icon kind, juce::Rectangle<float> area)
{
    if (kind == Icon::none)
        return;

    const auto circle = area.reduced (2.0f);
    g.setColour (ProductPalette::accent.withAlpha (0.25f));
    g.fillEllipse (circle);
    g.setColour (kind == Icon::warning ? ProductPalette::lcd : ProductPalette::accent.brighter (0.5f));
    g.drawEllipse (circle, 2.5f);

    g.setFont (juce::Font (area.getHeight() * 0.62f, juce::Font::bold));
    g.drawText (kind == Icon::warning ? "!" : "?", area, juce::Justification::centred, false);
}

void MessageBody::paint (juce::Graphics& g)
{
    drawIcon (g, icon, { 0.0f, (float) std::max (0, (getHeight() - bottomGap - iconSize) / 2), (float) iconSize, (float) iconSize });

    g.setColour (ProductPalette::caption);
    g.setFont (messageFont());
    const auto h = lineHeight();
    // A short message sits level with the middle of its icon.
    const auto top = std::max (0, (getHeight() - bottomGap - lines.size() * h) / 2);

    for (int i = 0; i < lines.size(); ++i)
        g.drawText (lines[i], textX, top + i * h, getWidth() - textX, h, juce::Justification::centredLeft, false);
}
